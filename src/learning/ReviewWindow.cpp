// SPDX-License-Identifier: MIT
// TReviewWindow: the list of a run's misses with flags, capitals and the
// wrong answers, and the way into practising them.
#include "ReviewWindow.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/Generell.h"
#include "app/OwnTexts.h"
#include "data/Fileread.h"
#include "data/UKarta.h"
#include "exercise/ovning.h"
#include "screens/ExerciseScreen.h"
#include "screens/Ovform.h"
#include "screens/ScreenSupport.h"

namespace {
QString Text(TOwnText text) {
    return OwnText(text, CurrentLanguage);
}
}  // namespace

TReviewWindow::TReviewWindow(const COvning& run, const TExerciseItems& items, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Text(TOwnText::ReviewTitle).arg(run.Names[CurrentLanguage]));

    // One line per missed item; an item asked twice (a practice run of a
    // shuffled flag set) is listed once, with every wrong answer.
    std::vector<std::pair<QString, QStringList>> missed;
    for (const COvning::TAskedItem& asked : run.RunRecord) {
        if (!asked.Missed()) continue;
        auto same = std::find_if(missed.begin(), missed.end(),
                                 [&](const auto& line) { return line.first == asked.Key; });
        if (same == missed.end()) {
            missed.emplace_back(asked.Key, QStringList());
            same = missed.end() - 1;
            missed_ << asked.Key;
        }
        for (const QString& clicked : asked.ClickedInstead) {
            const QString name = items.NameOf(clicked);
            if (!same->second.contains(name)) same->second << name;
        }
    }

    QString summary;
    if (run.Practice) summary = Text(TOwnText::ReviewPractice).arg(run.Percent) + QLatin1Char(' ');
    summary += missed.empty()
                   ? Text(TOwnText::ReviewAllRight)
                   : Text(TOwnText::ReviewMissed).arg(missed.size()).arg(run.RunRecord.size());
    lblSummary = new QLabel(summary, this);
    lblSummary->setWordWrap(true);

    lstItems = new QListWidget(this);
    lstItems->setIconSize(QSize(48, 32));
    lstItems->setWordWrap(true);
    lstItems->setAlternatingRowColors(true);
    const qreal ratio = devicePixelRatioF();
    for (const auto& [key, clicked] : missed) {
        const TItemInfo* info = items.Find(key);
        QStringList lines{info ? info->Name : items.NameOf(key)};
        if (info && !info->Capital.isEmpty())
            lines << Text(TOwnText::ReviewCapital).arg(info->Capital);
        if (info && !info->Within.isEmpty())
            lines << Text(TOwnText::ReviewWithin).arg(info->Within);
        if (!clicked.isEmpty())
            lines << Text(TOwnText::ReviewClicked).arg(clicked.join(QStringLiteral(", ")));
        auto* line = new QListWidgetItem(lines.join(QLatin1Char('\n')), lstItems);
        line->setData(Qt::UserRole, key);
        if (info && !info->FlagFile.isEmpty()) {
            const QImage flag = LoadFlagPicture(info->FlagFile, ratio);
            if (!flag.isNull()) {
                // The same picture when selected: a tinted flag is another flag.
                const QPixmap picture = QPixmap::fromImage(flag);
                QIcon icon(picture);
                icon.addPixmap(picture, QIcon::Selected);
                line->setIcon(icon);
            }
        }
    }
    lstItems->setVisible(!missed.empty());

    auto* hint = new QLabel(Text(TOwnText::ReviewShow), this);
    // Only a map screen gives its map a picture to show the line on.
    hint->setVisible(!missed.empty() && run.Map && run.Map->Image);

    cmdPractise = new QPushButton(Text(TOwnText::PractiseThese), this);
    cmdPractise->setEnabled(!missed.empty());
    cmdClose = new QPushButton(Text(TOwnText::Close), this);
    cmdPractise->setDefault(!missed.empty());

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPractise);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSummary);
    layout->addWidget(lstItems, 1);
    layout->addWidget(hint);
    layout->addLayout(buttons);
    resize(360, missed.empty() ? 120 : 460);

    connect(lstItems, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item) emit showItem(item->data(Qt::UserRole).toString());
    });
    connect(cmdPractise, &QPushButton::clicked, this, [this] {
        emit practise(missed_);
        close();
    });
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
}

void InstallRunReview(QObject* context,
                      std::function<void(int exercise, const QStringList& keys)> practise) {
    const QPointer<QObject> alive(context);
    SetRunReview([alive, practise](COvning& run, TOvningsformular* owner) {
        if (!alive) return;
        auto* screen = dynamic_cast<TExerciseScreen*>(owner);
        TReviewWindow* review = nullptr;
        try {
            review = new TReviewWindow(run, TExerciseItems(run), screen);
        } catch (const std::exception& e) {
            LogFailure(e, QStringLiteral("reviewing exercise %1").arg(run.Number));
            return;  // the run is over and scored; only its review is lost
        }
        const QPointer<TExerciseScreen> shown(screen);
        QObject::connect(review, &TReviewWindow::showItem, alive, [shown](const QString& key) {
            if (shown) shown->ShowItem(key);
        });
        const int number = run.HistoryNumber();
        QObject::connect(review, &TReviewWindow::practise, alive,
                         [alive, practise, number](const QStringList& keys) {
                             QTimer::singleShot(
                                 0, alive, [practise, number, keys] { practise(number, keys); });
                         });
        if (screen) {
            // At the screen's right edge, below its strip.
            const QRect area = screen->geometry();
            review->move(area.right() - review->width() - 16, area.top() + 48);
        }
        review->show();
    });
}
