// SPDX-License-Identifier: MIT
// Fuzzes the GIF decoder behind the logo.
#include <QImage>
#include <cstdint>
#include <cstdlib>

#include "FuzzFile.h"
#include "platform/GifImage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzLoad(data, size, [](const QString& name) {
        const QImage image = LoadGifImage(name);
        // A picture that loads is always a usable one; failures must raise instead.
        if (image.isNull() || image.format() != QImage::Format_ARGB32 || image.width() > 8192 ||
            image.height() > 8192)
            std::abort();
    });
}
