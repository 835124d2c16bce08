// SPDX-License-Identifier: MIT
// Compares two catalogue entries field by field, as the catalogue file
// holds them (the running state and the own mark are not in the file).
#pragma once

#include <gtest/gtest.h>

#include "exercise/ovning.h"

inline void ExpectSameFields(const COvning& a, const COvning& b) {
    EXPECT_EQ(a.Kind, b.Kind);
    for (int l = 1; l <= 6; ++l) EXPECT_EQ(a.Names[l], b.Names[l]) << "language " << l;
    EXPECT_EQ(a.Number, b.Number);
    EXPECT_EQ(a.MaxPlaceRank, b.MaxPlaceRank);
    EXPECT_EQ(a.BorderWidth, b.BorderWidth);
    EXPECT_EQ(a.RequirePlaceFlag1, b.RequirePlaceFlag1);
    EXPECT_EQ(a.RequirePlaceFlag2, b.RequirePlaceFlag2);
    EXPECT_EQ(a.ReservedFlag, b.ReservedFlag);
    EXPECT_EQ(a.MapNo, b.MapNo);
    EXPECT_EQ(a.PlaceFileNo, b.PlaceFileNo);
    EXPECT_EQ(a.Continent, b.Continent);
    EXPECT_EQ(a.LandColor, b.LandColor);
    EXPECT_EQ(a.AreaColor, b.AreaColor);
    EXPECT_EQ(a.SeaColor, b.SeaColor);
    EXPECT_DOUBLE_EQ(a.TopLatitude, b.TopLatitude);
    EXPECT_DOUBLE_EQ(a.BottomLatitude, b.BottomLatitude);
    EXPECT_DOUBLE_EQ(a.CentreLongitude, b.CentreLongitude);
    ASSERT_EQ(a.ItemCount, b.ItemCount);
    for (int i = 1; i <= a.ItemCount; ++i) EXPECT_EQ(a.Items[i], b.Items[i]);
}
