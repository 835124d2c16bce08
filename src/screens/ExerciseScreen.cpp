// SPDX-License-Identifier: MIT
// The exercise screens' shared window behaviour and their creation by kind.
#include "ExerciseScreen.h"

#include <QCloseEvent>
#include <QLabel>

#include "app/Generell.h"
#include "app/GenerellUi.h"
#include "app/OwnTexts.h"
#include "exercise/ovning.h"
#include "screens/Ovform.h"
#include "screens/Unit1.h"
#include "screens/Unit3.h"
#include "screens/Unit4.h"

TExerciseScreen::TExerciseScreen(QWidget* parent, int helpTopic)
    : QWidget(parent, Qt::Window), helpTopic_(helpTopic) {
    OpenHelpOnF1(this, helpTopic_);
}

void TExerciseScreen::cmdToppClick() {
    if (COvning* exercise = RunningExercise())
        ShowTopTen(*exercise, -1, dynamic_cast<TOvningsformular*>(this));
}

void TExerciseScreen::cmdHjalpClick() {
    ShowHelpTopic(helpTopic_);
}

void TExerciseScreen::closeEvent(QCloseEvent* event) {
    if (COvning* exercise = RunningExercise()) exercise->Abandon();
    QWidget::closeEvent(event);
}

void TExerciseScreen::SetPracticeNote(bool practice) {
    practice_ = practice;
    const QString text = OwnText(TOwnText::PracticeNote, CurrentLanguage);
    TitlePracticeNote();
    if (!practice && !practiceNote_) return;
    if (!practiceNote_) {
        practiceNote_ = new QLabel(this);
        practiceNote_->setStyleSheet(QStringLiteral(
            "background: #fff3b0; color: black; border: 1px solid #7a6a00; padding: 2px 6px;"));
        practiceNote_->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    practiceNote_->setText(text);
    practiceNote_->adjustSize();
    practiceNote_->move(PracticeNoteCorner(practiceNote_->size()));
    practiceNote_->setVisible(practice);
    practiceNote_->raise();
}

void TExerciseScreen::TitlePracticeNote() {
    // The screen's own title stays (the captions may set it again later);
    // the note follows it.
    const QString suffix =
        QStringLiteral(" \u2013 ") + OwnText(TOwnText::PracticeNote, CurrentLanguage);
    QString title = windowTitle();
    const bool noted = title.endsWith(suffix);
    if (noted == practice_) return;
    if (noted) title.chop(suffix.size());
    setWindowTitle(practice_ ? title + suffix : title);
}

void TExerciseScreen::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowTitleChange) TitlePracticeNote();
}

QPoint TExerciseScreen::PracticeNoteCorner(QSize note) const {
    return {4, height() - note.height() - 4};
}

void TExerciseScreen::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (practiceNote_) practiceNote_->move(PracticeNoteCorner(practiceNote_->size()));
}

void TExerciseScreen::cmdAvslutaClick() {
    close();
}

TScreenKind ScreenKindFor(const QString& kind) {
    if (kind == QLatin1String("MULTI")) return TScreenKind::MultipleChoice;
    if (kind == QLatin1String("FLAGG")) return TScreenKind::Flags;
    return TScreenKind::Map;
}

TExerciseScreen* CreateExerciseScreen(const QString& kind, QWidget* parent) {
    switch (ScreenKindFor(kind)) {
        case TScreenKind::MultipleChoice:
            return new TfrmOvningMulti(parent);
        case TScreenKind::Flags:
            return new TfrmOvningFlagga(parent);
        case TScreenKind::Map:
            break;
    }
    return new TfrmOvningKarta(parent);
}
