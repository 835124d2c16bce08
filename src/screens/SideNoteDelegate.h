// SPDX-License-Identifier: MIT
// TSideNoteDelegate: a list or table cell's text with a short note beside it,
// right-aligned in grey: an exercise's figures in the main menu's list, the
// date of a result in a top ten. In a view that wraps its text, a line is
// as tall as its text needs beside the note, so no text is cut.
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
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    static int NoteWidth(const QStyleOptionViewItem& line, const QString& note);
};
