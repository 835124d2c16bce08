// SPDX-License-Identifier: MIT
// Fuzzes the place file loader and the selection.
#include "FuzzFile.h"
#include "data/Orter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzLoad(data, size, [](const QString& name) {
        COrter places;
        places.Load(name);
        places.ResetMarks();
        if (places.First) places.Select(places.First->MemberCodes[1], 5, true, false);
    });
}
