// SPDX-License-Identifier: MIT
// TSideNoteDelegate: a list or table cell's text with a short note beside it,
// right-aligned in grey: an exercise's figures in the main menu's list, the
// date of a result in a top ten.
#pragma once

#include <QStyledItemDelegate>

// The data role holding the note; a cell without one is painted as usual.
constexpr int SideNoteRole = Qt::UserRole + 1;

class TSideNoteDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
