// SPDX-License-Identifier: MIT
// The best percentage and learned items of an exercise, and their place in
// the exercise list.
#include "ProgressFigures.h"

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
