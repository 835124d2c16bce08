// SPDX-License-Identifier: MIT
// Fuzzes the area file loader and runs the hit test on what it read.
#include "FuzzFile.h"
#include "data/Areor.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzLoad(data, size, [](const QString& name) {
        CAreor areas;
        areas.Load(name);
        for (int i = 0; i < areas.Count(); ++i) areas.Select(areas.Area(i).Code);
        areas.AreaAt(GeoPoint{10.5f, 20.5f});
        areas.AreaAt(GeoPoint{0, 0});
    });
}
