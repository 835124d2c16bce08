// SPDX-License-Identifier: MIT
// The best percentage and learned items of an exercise, and their place in
// the exercise list.
#include "ProgressFigures.h"

#include <QApplication>
#include <QPainter>
#include <algorithm>

#include "app/OwnTexts.h"
#include "history/ResultsHistory.h"

QString TProgressFigures::ShortText() const {
    const QString best = BestPercent < 0 ? QStringLiteral("\u2013")
                                         : QString::number(BestPercent) + QStringLiteral(" %");
    return best + QStringLiteral("  ") + QString::number(Learned) + QLatin1Char('/') +
           QString::number(Items);
}

QString TProgressFigures::LongText(int language) const {
    const QString best = BestPercent < 0 ? QStringLiteral("\u2013") : QString::number(BestPercent);
    return OwnText(TOwnText::ProgressTip, language).arg(best).arg(Learned).arg(Items);
}

TProgressFigures ProgressFiguresOf(const TResultsHistory& history, int exercise,
                                   const QStringList& itemKeys) {
    TProgressFigures figures;
    for (const THistoryRun& run : history.Runs(exercise))
        if (run.finished && !run.practice)
            figures.BestPercent = std::max(figures.BestPercent, run.percent);
    figures.Items = int(itemKeys.size());
    figures.Learned = history.Schedule(exercise).Learned(itemKeys);
    return figures;
}

void TProgressFiguresDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
    const QString figures = index.data(ProgressFiguresRole).toString();
    if (figures.isEmpty()) return QStyledItemDelegate::paint(painter, option, index);
    QStyleOptionViewItem line = option;
    initStyleOption(&line, index);
    const int figuresWidth = line.fontMetrics.horizontalAdvance(figures) + 8;
    // The name gives way to the figures, eliding at its end.
    QStyleOptionViewItem name = line;
    name.rect.setRight(line.rect.right() - figuresWidth);
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    QStyleOptionViewItem background = line;
    background.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);
    name.backgroundBrush = Qt::NoBrush;
    name.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, name, index);
    painter->save();
    const bool selected = line.state & QStyle::State_Selected;
    painter->setPen(selected ? line.palette.color(QPalette::HighlightedText)
                             : line.palette.color(QPalette::PlaceholderText));
    painter->drawText(line.rect.adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, figures);
    painter->restore();
}
