// SPDX-License-Identifier: MIT
// Window-bound shared routines.
#include "GenerellUi.h"

#include <QDir>
#include <QStandardPaths>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QVariant>
#include <algorithm>
#include <deque>

#include "app/Generell.h"
#include "app/OwnTexts.h"
#include "platform/GifImage.h"
#include "platform/HelpViewer.h"
#include "platform/MessageBoxes.h"

namespace {
constexpr char TagProperty[] = "tag";
// The colour schemes give a handful; the bound keeps odd colours from piling up.
constexpr std::size_t MaxSharedPalettes = 32;

// The one palette of these colours, in the palette's colour group.
QPalette SharedPalette(const QPalette& palette) {
    static std::deque<QPalette> shared;
    auto known = std::find(shared.begin(), shared.end(), palette);
    if (known == shared.end()) {
        if (shared.size() == MaxSharedPalettes) shared.pop_front();
        known = shared.insert(shared.end(), palette);
    }
    QPalette copy = *known;
    copy.setCurrentColorGroup(palette.currentColorGroup());
    return copy;
}
}  // namespace

void SetTag(QObject* object, int tag) {
    object->setProperty(TagProperty, tag);
}

int Tag(const QObject* object) {
    return object->property(TagProperty).toInt();
}

void TranslateCaptions(QWidget* form) {
    for (QWidget* control : form->findChildren<QWidget*>()) {
        const int tag = Tag(control);
        if (tag == 0) continue;
        if (auto* button = qobject_cast<QPushButton*>(control))
            button->setText(LanguageText(tag));
        else if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(LanguageText(tag));
    }
    if (const int tag = Tag(form); tag != 0) form->setWindowTitle(LanguageText(tag));
}

void ShowGifPicture(QLabel* control, const QString& fileName) {
    try {
        control->setPixmap(QPixmap::fromImage(LoadGifImage(ProgramFile(fileName))));
    } catch (const std::exception&) {
        ShowMessage(TMessageKind::Plain,
                    QStringLiteral("Kunde inte visa bilden ") + fileName + QLatin1Char('.'));
    }
}

QString LanguageCode(int language) {
    static const char* const codes[] = {"sv", "en", "fr", "de", "es", "it"};
    if (language < 1 || language > LanguageCount) return QStringLiteral("en");
    return QString::fromLatin1(codes[language - 1]);
}

QLocale DateLocale(int language) {
    // The language's own country: British English, as the program writes it.
    static const char* const locales[] = {"sv_SE", "en_GB", "fr_FR", "de_DE", "es_ES", "it_IT"};
    if (language < 1 || language > LanguageCount) return QLocale(QStringLiteral("en_GB"));
    return QLocale(QString::fromLatin1(locales[language - 1]));
}

QString DateFormat(int language) {
    // The short form, with the year whole: "9/12/26" is read three ways.
    QString format = DateLocale(language).dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QString ShownDate(const QDate& date, int language) {
    return DateLocale(language).toString(date, DateFormat(language));
}

QString ShownDateTime(const QDateTime& time, int language) {
    const QLocale locale = DateLocale(language);
    const QDateTime local = time.toLocalTime();
    return locale.toString(local.date(), DateFormat(language)) + QLatin1Char(' ') +
           locale.toString(local.time(), QLocale::ShortFormat);
}

void ShowHelpTopic(int topic) {
    const int l = CurrentLanguage;
    const THelpTexts texts{
        OwnText(TOwnText::HelpTitle, l),        OwnText(TOwnText::HelpContents, l),
        OwnText(TOwnText::HelpBack, l),         OwnText(TOwnText::HelpForward, l),
        OwnText(TOwnText::HelpMissingTitle, l), OwnText(TOwnText::HelpMissingText, l)};
    ShowHelp(ProgramFile(QStringLiteral("help")), LanguageCode(CurrentLanguage), topic, texts);
}

void ShowHelpContents() {
    ShowHelpTopic(HelpContents);
}

TKeyPreview::TKeyPreview(QWidget* form, THandler handler)
    : QObject(form), form_(form), handler_(std::move(handler)) {
    qApp->installEventFilter(this);
}

bool TKeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    // A key ignored by a control travels on to its parents; take it at the first stop.
    if (static_cast<QWidget*>(watched)->window() != form_) return false;
    return handler_(*static_cast<QKeyEvent*>(event));
}

void OpenHelpOnF1(QWidget* form, int topic) {
    new TKeyPreview(form, [topic](const QKeyEvent& key) {
        if (key.key() != Qt::Key_F1) return false;
        ShowHelpTopic(topic);
        return true;
    });
}

void TButton::initStyleOption(QStyleOptionButton* option) const {
    QPushButton::initStyleOption(option);
    option->palette = SharedPalette(option->palette);
}

void TClickLabel::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(event->button());
    QLabel::mousePressEvent(event);
}

QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}
