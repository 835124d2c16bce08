// SPDX-License-Identifier: MIT
// The soak's top-ten hook: the real form, a private score file, answered by a timer.
#include "TopTenStandIn.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "exercise/ovning.h"
#include "scores/Tioitopp.h"
#include "screens/Ovform.h"

namespace {

// Short, and with letters the score file stores in its own code page.
const char* const Names[] = {"Soak", "Åsa", "Zoë", "Ola", "Büke"};

}  // namespace

TopTenStandIn::TopTenStandIn() {
    SetTopTenForm(
        [this](const TTopTenRequest& request, TOvningsformular* owner) { Show(request, owner); });
}

TopTenStandIn::~TopTenStandIn() {
    SetTopTenForm(nullptr);
}

void TopTenStandIn::Show(const TTopTenRequest& request, TOvningsformular* owner) {
    if (request.Percent >= 0)
        ++results_;
    else
        ++lists_;
    TTopTenRequest own = request;
    own.FileName = ScoreFile();
    own.StartFrom.clear();  // nothing from the program's own list either

    // The game's path opens the form inside Execute; it is answered as soon
    // as it is modal. The form may also go with its screen before that.
    bool answered = false;
    QTimer answer;
    answer.setInterval(1);
    QObject::connect(&answer, &QTimer::timeout, [this, &answer, &answered] {
        auto* form = qobject_cast<TfrmTioitopp*>(QApplication::activeModalWidget());
        if (!form) return;
        answer.stop();
        answered = true;
        Answer(*form);
    });
    bool stuck = false;
    QTimer watch;
    watch.setSingleShot(true);
    QObject::connect(&watch, &QTimer::timeout, [this, &stuck] {
        auto* form = qobject_cast<TfrmTioitopp*>(QApplication::activeModalWidget());
        if (!form) return;
        stuck = true;
        problems_
            << QStringLiteral("the top-ten form was still open after %1 ms").arg(StuckAfterMs);
        form->reject();
    });
    answer.start();
    watch.start(StuckAfterMs);
    const int result = TfrmTioitopp::Execute(dynamic_cast<QWidget*>(owner), own);
    if (answered && !stuck && result != QDialog::Accepted)
        problems_ << QStringLiteral("the top-ten form closed without OK");
}

void TopTenStandIn::Answer(TfrmTioitopp& form) {
    if (!form.txtNySignatur->isHidden()) {
        // By text, not key code: QTest knows key codes for ASCII only.
        for (const QChar letter : QString::fromUtf8(Names[names_ % std::size(Names)]))
            QTest::sendKeyEvent(QTest::Click, form.txtNySignatur, Qt::Key_unknown, QString(letter),
                                Qt::NoModifier);
        ++names_;
    }
    QTest::mouseClick(form.cmdOK, Qt::LeftButton);
}
