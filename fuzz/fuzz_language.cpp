// SPDX-License-Identifier: MIT
// Fuzzes the language table loader.
#include "FuzzFile.h"
#include "app/Generell.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzLoad(data, size, [](const QString& name) { LoadLanguageTable(name); });
}
