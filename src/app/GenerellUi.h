// SPDX-License-Identifier: MIT
// Shared routines that need windows: captions from the language table by
// tag, the GIF picture, help, and forms that see keys before their controls.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QObject>
#include <QPushButton>
#include <QString>
#include <functional>

#include "platform/HelpViewer.h"

class QKeyEvent;
class QMouseEvent;
class QWidget;

// A control's tag is the string number of its caption (0: leave it alone).
void SetTag(QObject* object, int tag);
int Tag(const QObject* object);

// Push buttons and labels of the form with a tag take their caption from the
// language table in the current language; so does the form by its own tag.
// Other controls keep their captions whatever their tag.
void TranslateCaptions(QWidget* form);

// Shows ProgramDirectory()/fileName in the label; on failure the label keeps
// its picture and a plain box says "Kunde inte visa bilden <name>.".
// Lets window messages run while that box is up.
void ShowGifPicture(QLabel* control, const QString& fileName);

// Help beside the program, in the current language.
QString LanguageCode(int language);  // "sv", "en", "fr", "de", "es", "it"

// Dates on screen, in one form per language, day, month and a four-digit
// year in the language's order ("9/12/2026", "09.12.2026", "2026-12-09"),
// with month names and the calendar of the language's country.
QLocale DateLocale(int language);
QString DateFormat(int language);
QString ShownDate(const QDate& date, int language);
QString ShownDateTime(const QDateTime& time, int language);  // in local time
void ShowHelpTopic(int topic);
void ShowHelpContents();

// Hands the form every key press meant for it or any of its controls before
// they see it; the handler returns true when it took the key.
class TKeyPreview : public QObject {
  public:
    using THandler = std::function<bool(const QKeyEvent&)>;
    TKeyPreview(QWidget* form, THandler handler);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* form_;
    THandler handler_;
};

// F1 anywhere in the form opens the help at the form's topic (the contents
// unless given).
void OpenHelpOnF1(QWidget* form, int topic = HelpContents);

// A picture or text that reports mouse presses (flags, flowers, links).
// (Not the map's TPicture of platform/Picture.h, which is a window-free picture model.)
class TClickLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  signals:
    void mouseDown(Qt::MouseButton button);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// A push button that draws with one palette shared by every button of the
// same colours. The style keys a button's cached pixmaps by its palette's
// identity, a window made anew resolves palettes of its own, and Qt 6.4's
// pixmap cache keeps every key it was given: each window opened grew it.
class TButton : public QPushButton {
    Q_OBJECT
  public:
    using QPushButton::QPushButton;

  protected:
    void initStyleOption(QStyleOptionButton* option) const override;
};

// Where a file dialog starts: the player's documents folder, or their home
// folder where there is none (a file dialog given a missing folder opens
// the program's own).
QString DocumentsFolder();
