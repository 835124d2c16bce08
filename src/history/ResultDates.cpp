// SPDX-License-Identifier: MIT
// Matching a top ten's results to the runs of the results history.
#include "ResultDates.h"

#include <algorithm>

std::vector<QDateTime> DatesOfResults(const std::vector<THistoryRun>& runs,
                                      const std::vector<std::pair<QString, int>>& results) {
    std::vector<const THistoryRun*> open;
    for (const THistoryRun& run : runs)
        if (run.finished && !run.practice && !run.signature.isEmpty()) open.push_back(&run);
    std::sort(open.begin(), open.end(),
              [](const THistoryRun* a, const THistoryRun* b) { return a->started > b->started; });
    std::vector<QDateTime> dates;
    for (const auto& result : results) {
        // Named, not bound: clang before 16 cannot capture a structured binding.
        const QString& signature = result.first;
        const int percent = result.second;
        const auto match = std::find_if(open.begin(), open.end(), [&](const THistoryRun* run) {
            return run && run->signature == signature && run->percent == percent;
        });
        if (signature.isEmpty() || match == open.end()) {
            dates.emplace_back();
            continue;
        }
        dates.push_back((*match)->started);
        *match = nullptr;  // used
    }
    return dates;
}
