// SPDX-License-Identifier: MIT
// The exercise screens' shared window behaviour and their creation by kind.
#include "ExerciseScreen.h"

#include <QCloseEvent>

#include "app/GenerellUi.h"
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
