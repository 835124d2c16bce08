// SPDX-License-Identifier: MIT
// Message boxes on QMessageBox.
#include "MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace {
TMessageSink& Sink() {
    static TMessageSink sink;
    return sink;
}
}  // namespace

void SetMessageSink(TMessageSink sink) {
    Sink() = std::move(sink);
}

TMessageSink CurrentMessageSink() {
    return Sink();
}

void ShowMessage(TMessageKind kind, const QString& text) {
    if (Sink()) {
        Sink()(kind, text);
        return;
    }
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    if (kind == TMessageKind::Information) icon = QMessageBox::Information;
    if (kind == TMessageKind::Error) icon = QMessageBox::Critical;
    QMessageBox box(icon, QStringLiteral("Glomira"), text, QMessageBox::Ok);
    box.exec();
}
