// SPDX-License-Identifier: MIT
// Keyboard play of the main menu's two lists.
#include "MenuKeys.h"

#include <QKeyEvent>
#include <QListWidget>

TMenuKeys::TMenuKeys(QListWidget* continents, QListWidget* exercises, std::function<void()> start,
                     QObject* parent)
    : QObject(parent), continents_(continents), exercises_(exercises), start_(std::move(start)) {
    continents_->installEventFilter(this);
    exercises_->installEventFilter(this);
}

bool TMenuKeys::eventFilter(QObject* watched, QEvent* event) {
    // Releases are the menu's own: it chooses the continent on every one.
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (watched == continents_ && (enter || key->key() == Qt::Key_Right)) {
        ToExercises();
        return true;
    }
    if (watched == exercises_ && key->key() == Qt::Key_Left) {
        continents_->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (watched == exercises_ && enter) {
        // The line the keys point at is the chosen one, as a click would make it.
        if (exercises_->selectedItems().isEmpty() && exercises_->currentItem())
            exercises_->currentItem()->setSelected(true);
        if (!exercises_->selectedItems().isEmpty()) start_();
        return true;
    }
    return false;
}

void TMenuKeys::ToExercises() {
    if (exercises_->count() == 0) return;
    exercises_->setFocus(Qt::OtherFocusReason);
    if (exercises_->selectedItems().isEmpty()) exercises_->setCurrentRow(0);
}
