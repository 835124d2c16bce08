// SPDX-License-Identifier: MIT
// Fuzzes the exercise catalogue loader.
#include "FuzzFile.h"
#include "data/ovningar.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzLoad(data, size, [](const QString& name) {
        COvningar catalogue;
        catalogue.Load(name);
        catalogue.FindByName(QStringLiteral("x"));
    });
}
