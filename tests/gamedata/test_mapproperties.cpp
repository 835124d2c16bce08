// SPDX-License-Identifier: MIT
// Every map exercise at seeded random picture sizes (landscape and portrait, ratio 1 and 2) and
// at zoomed and panned views: away from the outlines, land is never drawn in the sea's or a
// lake's colour, the lake colour lies only in lakes, the open sea is sea-coloured, and every
// asked item shows its colour. The suite runs a few cases per exercise; GLOMIRA_MAP_SIZES and
// GLOMIRA_MAP_VIEWS ask for more, GLOMIRA_MAP_SEED for others, and glomira-mapsweep runs the
// full sweep.

#include <gtest/gtest.h>

#include <QString>

#include "MapCheck.h"
#include "data/ovningar.h"
#include "exercise/ovning.h"

namespace {

const QString Dir = QStringLiteral(GLOMIRA_GAMEDATA_DIR);

int FromEnvironment(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

}  // namespace

class MapProperties : public testing::TestWithParam<int> {};

TEST_P(MapProperties, HoldAtRandomSizesZoomsAndPans) {
    const int sizes = FromEnvironment("GLOMIRA_MAP_SIZES", 6);
    const int views = FromEnvironment("GLOMIRA_MAP_VIEWS", 2);
    const int seed = FromEnvironment("GLOMIRA_MAP_SEED", 20261209);
    COvningar catalogue;
    catalogue.Load(Dir + "/Ovning.crp");
    int exercises = 0;
    for (COvning* e = catalogue.First; e; e = e->Next) {
        if ((e->Kind != QLatin1String("AREA") && e->Kind != QLatin1String("ORT")) ||
            e->MapNo != GetParam())
            continue;
        ++exercises;
        const auto cases = RandomMapCases(quint64(seed), e->Number, sizes, views);
        for (std::size_t k = 0; k < cases.size(); ++k) {
            const TMapCheck check = CheckMapCase(*e, Dir, cases[k]);
            EXPECT_GT(check.Checked, 0);
            EXPECT_TRUE(check.Passed())
                << "exercise " << e->Number << ", seed " << seed << " case " << k << " ("
                << cases[k].Describe().toStdString() << "): " << check.Summary().toStdString()
                << "\n  again: glomira-mapsweep --seed " << seed << " --exercise " << e->Number
                << " --sizes " << sizes << " --views " << views;
        }
    }
    EXPECT_GT(exercises, 0);
}

INSTANTIATE_TEST_SUITE_P(MapNumbers, MapProperties, testing::Values(1, 2, 3, 4, 5));
