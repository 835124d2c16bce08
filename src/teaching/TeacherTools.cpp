// SPDX-License-Identifier: MIT
// TTeacherTools: own exercises from the main menu.
#include "TeacherTools.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "app/Generell.h"
#include "app/GenerellUi.h"
#include "app/OwnTexts.h"
#include "data/Fileread.h"
#include "exercise/ovning.h"
#include "platform/MessageBoxes.h"
#include "teaching/ExerciseFile.h"
#include "teaching/ExerciseMaker.h"
#include "teaching/ExerciseRules.h"
#include "teaching/OwnExercises.h"

namespace {

QString Text(TOwnText text) {
    return OwnText(text, CurrentLanguage);
}

QString FileFilter() {
    return Text(TOwnText::ExerciseFiles);
}

// A file name from an exercise's name: letters, digits and spaces kept.
QString FileNameFor(const QString& name) {
    QString plain;
    for (const QChar c : name)
        plain += c.isLetterOrNumber() || c == QLatin1Char(' ') ? c : QChar('_');
    plain = plain.simplified();
    return (plain.isEmpty() ? QStringLiteral("exercises") : plain) + QLatin1Char('.') +
           QLatin1String(ExerciseFileSuffix);
}

std::vector<const COvning*> ChooseInList(QWidget* parent,
                                         const std::vector<const COvning*>& entries) {
    QDialog dialog(parent);
    dialog.setWindowTitle(Text(TOwnText::ExportExercises).remove(QChar(0x2026)));
    auto* list = new QListWidget(&dialog);
    for (const COvning* entry : entries) {
        auto* item = new QListWidgetItem(entry->Names[CurrentLanguage], list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(Text(TOwnText::Save), QDialogButtonBox::AcceptRole);
    buttons->addButton(Text(TOwnText::Cancel), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(list);
    layout->addWidget(buttons);
    std::vector<const COvning*> chosen;
    if (dialog.exec() != QDialog::Accepted) return chosen;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->checkState() == Qt::Checked)
            chosen.push_back(entries[std::size_t(row)]);
    return chosen;
}

}  // namespace

TTeacherTools::TTeacherTools(TOwnExercises& own, QWidget* window)
    : QObject(window),
      own_(own),
      window_(window),
      menu_(new QMenu(window)),
      rules_(std::make_unique<TExerciseRules>()) {
    const auto add = [this](TOwnText text, void (TTeacherTools::*run)()) {
        QAction* action = menu_->addAction(QString());
        connect(action, &QAction::triggered, this, run);
        actions_.emplace_back(action, int(text));
    };
    add(TOwnText::NewExercise, &TTeacherTools::NewExercise);
    add(TOwnText::EditExercise, &TTeacherTools::EditExercise);
    add(TOwnText::DeleteExercise, &TTeacherTools::DeleteExercise);
    menu_->addSeparator();
    add(TOwnText::ExportExercises, &TTeacherTools::ExportExercises);
    add(TOwnText::ImportExercises, &TTeacherTools::ImportExercises);

    RunMaker = [](TExerciseMaker& maker) { return maker.exec(); };
    AskFile = [this](bool save, const QString& suggested) {
        return save ? QFileDialog::getSaveFileName(window_, QString(), suggested, FileFilter())
                    : QFileDialog::getOpenFileName(window_, QString(), DocumentsFolder(),
                                                   FileFilter());
    };
    Confirm = [this](const QString& question) {
        return QMessageBox::question(window_, QApplication::applicationName(), question) ==
               QMessageBox::Yes;
    };
    ChooseExports = [this](const std::vector<const COvning*>& entries) {
        return ChooseInList(window_, entries);
    };
    Translate();
}

TTeacherTools::~TTeacherTools() = default;

void TTeacherTools::AddCommand(const QString& text, std::function<void()> run) {
    menu_->addSeparator();
    QAction* action = menu_->addAction(text);
    connect(action, &QAction::triggered, this, std::move(run));
}

void TTeacherTools::Translate() {
    for (const auto& [action, text] : actions_) action->setText(Text(TOwnText(text)));
}

COvning* TTeacherTools::ChosenOwn() const {
    COvning* entry = ChosenEntry ? ChosenEntry() : nullptr;
    if (entry && entry->Own) return entry;
    ShowMessage(TMessageKind::Information, Text(TOwnText::OwnOnly));
    return nullptr;
}

void TTeacherTools::Save(TExerciseMaker& maker, const COvning* replacing) {
    std::vector<std::unique_ptr<COvning>> made = maker.Result();
    try {
        const COvning* first = nullptr;
        if (replacing) {
            // Flag sets beyond the first become exercises of their own.
            std::unique_ptr<COvning> head = std::move(made.front());
            made.erase(made.begin());
            if (int(made.size()) > own_.Room())
                throw EOwnExercisesFull(Text(TOwnText::OwnExercisesFull)
                                            .arg(TOwnExercises::MaxExercises)
                                            .arg(own_.Room()));
            first = &own_.Replace(replacing->Number, std::move(head));
            if (!made.empty()) own_.Add(std::move(made));
        } else {
            const std::vector<COvning*> added = own_.Add(std::move(made));
            first = added.empty() ? nullptr : added.front();
        }
        if (Changed) Changed(first);
    } catch (const Exception& e) {
        LogFailure(e, QStringLiteral("saving an own exercise"));
        ShowMessage(TMessageKind::Error, Text(TOwnText::SaveFailed).arg(e.Message()));
    }
}

void TTeacherTools::NewExercise() {
    if (own_.Room() <= 0) {
        ShowMessage(TMessageKind::Information,
                    Text(TOwnText::OwnExercisesFull).arg(TOwnExercises::MaxExercises).arg(0));
        return;
    }
    TExerciseMaker maker(*rules_, nullptr, Continent ? Continent() : QStringLiteral("EUR"),
                         window_);
    if (RunMaker(maker) == QDialog::Accepted) Save(maker, nullptr);
}

void TTeacherTools::EditExercise() {
    const COvning* entry = ChosenOwn();
    if (!entry) return;
    TExerciseMaker maker(*rules_, entry, entry->Continent, window_);
    if (RunMaker(maker) == QDialog::Accepted) Save(maker, entry);
}

void TTeacherTools::DeleteExercise() {
    const COvning* entry = ChosenOwn();
    if (!entry) return;
    if (!Confirm(Text(TOwnText::DeleteQuestion).arg(entry->Names[CurrentLanguage]))) return;
    try {
        own_.Remove(entry->Number);
        if (Changed) Changed(nullptr);
    } catch (const Exception& e) {
        LogFailure(e, QStringLiteral("deleting an own exercise"));
        ShowMessage(TMessageKind::Error, Text(TOwnText::SaveFailed).arg(e.Message()));
    }
}

void TTeacherTools::ExportExercises() {
    const std::vector<const COvning*> all = own_.Entries();
    if (all.empty()) {
        ShowMessage(TMessageKind::Information, Text(TOwnText::NoOwnExercises));
        return;
    }
    const std::vector<const COvning*> chosen = ChooseExports(all);
    if (chosen.empty()) return;
    const QString suggested =
        QDir(DocumentsFolder())
            .filePath(FileNameFor(chosen.size() == 1 ? chosen.front()->Names[CurrentLanguage]
                                                     : QString()));
    QString fileName = AskFile(true, suggested);
    if (fileName.isEmpty()) return;
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += QLatin1Char('.') + QLatin1String(ExerciseFileSuffix);
    try {
        ::ExportExercises(chosen, fileName);
        ShowMessage(TMessageKind::Information,
                    Text(TOwnText::ExportExercisesDone).arg(chosen.size()).arg(fileName));
    } catch (const Exception& e) {
        ShowMessage(TMessageKind::Error,
                    Text(TOwnText::ExportExercisesFailed).arg(fileName, e.Message()));
    }
}

void TTeacherTools::ImportExercises() {
    const QString fileName = AskFile(false, QString());
    if (!fileName.isEmpty()) Import(fileName, false);
}

void TTeacherTools::Import(const QString& fileName, bool ask) {
    if (ask && !Confirm(Text(TOwnText::ImportQuestion).arg(fileName))) return;
    const TImportResult result = ::ImportExercises(fileName, own_, *rules_, CurrentLanguage);
    if (!result.Imported) {
        ShowMessage(TMessageKind::Error,
                    Text(TOwnText::ImportRefused).arg(fileName, result.Reason));
        return;
    }
    QString message = result.Names.isEmpty()
                          ? Text(TOwnText::ImportNothingNew).arg(fileName)
                          : Text(TOwnText::ImportDone).arg(fileName, result.Names.join('\n'));
    if (!result.Skipped.isEmpty())
        message += QStringLiteral("\n\n") +
                   Text(TOwnText::ImportAlreadyThere).arg(result.Skipped.join('\n'));
    if (!result.Names.isEmpty() && Changed) Changed(own_.Find(own_.Entries().back()->Number));
    ShowMessage(TMessageKind::Information, message);
}
