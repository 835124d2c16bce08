// SPDX-License-Identifier: MIT
// When the results of a top-ten list were played, where the results history
// knows: a result is matched to a full run of the exercise that ended with
// the same percentage and was signed with the same signature.
#pragma once

#include <QDateTime>
#include <QString>
#include <utility>
#include <vector>

#include "history/ResultsHistory.h"

// For each (signature, percentage) in list order, the start of its run, each
// run matched once (the newest first); invalid where none matches.
std::vector<QDateTime> DatesOfResults(const std::vector<THistoryRun>& runs,
                                      const std::vector<std::pair<QString, int>>& results);
