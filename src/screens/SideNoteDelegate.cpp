// SPDX-License-Identifier: MIT
// TSideNoteDelegate: the cell's text, giving way to its note at the right.
#include "SideNoteDelegate.h"

#include <QApplication>
#include <QListView>
#include <QPainter>
#include <algorithm>

int TSideNoteDelegate::NoteWidth(const QStyleOptionViewItem& line, const QString& note) {
    return note.isEmpty() ? 0 : line.fontMetrics.horizontalAdvance(note) + 8;
}

QSize TSideNoteDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    QStyleOptionViewItem line = option;
    initStyleOption(&line, index);
    // A list's line is as wide as the list; a table's cell as its column.
    const auto* view = qobject_cast<const QListView*>(option.widget);
    if (!view || !(line.features & QStyleOptionViewItem::WrapText))
        return QStyledItemDelegate::sizeHint(option, index);
    // The style wraps the text in the width it is given: the line's, less the note's.
    const int width =
        view->viewport()->width() - NoteWidth(line, index.data(SideNoteRole).toString());
    QStyleOptionViewItem text = option;
    text.rect = QRect(0, 0, std::max(width, 1), 1);
    return QStyledItemDelegate::sizeHint(text, index);
}

void TSideNoteDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const QString note = index.data(SideNoteRole).toString();
    if (note.isEmpty()) return QStyledItemDelegate::paint(painter, option, index);
    QStyleOptionViewItem line = option;
    initStyleOption(&line, index);
    const int noteWidth = NoteWidth(line, note);
    // The text gives way to the note, eliding at its end.
    QStyleOptionViewItem text = line;
    text.rect.setRight(line.rect.right() - noteWidth);
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    QStyleOptionViewItem background = line;
    background.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);
    text.backgroundBrush = Qt::NoBrush;
    text.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, text, index);
    painter->save();
    // The text's own colour, fainter: readable on a light list and a dark grid alike.
    const bool selected = line.state & QStyle::State_Selected;
    const QVariant foreground = index.data(Qt::ForegroundRole);
    QColor colour =
        selected ? line.palette.color(QPalette::HighlightedText)
        : foreground.canConvert<QBrush>() && foreground.value<QBrush>().style() != Qt::NoBrush
            ? foreground.value<QBrush>().color()
            : line.palette.color(QPalette::Text);
    colour.setAlpha(150);
    painter->setPen(colour);
    painter->drawText(line.rect.adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, note);
    painter->restore();
}
