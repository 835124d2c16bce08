// SPDX-License-Identifier: MIT
// GIF decoding on giflib: the first frame composed onto the logical screen.
#include "GifImage.h"

#include <gif_lib.h>

#include <QFile>
#include <memory>

#include "data/Fileread.h"

namespace {

// Far beyond any picture the program shows; guards against absurd headers.
constexpr int MaxSide = 8192;

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifPtr = std::unique_ptr<GifFileType, GifCloser>;

int ReadFromQFile(GifFileType* gif, GifByteType* buffer, int length) {
    auto* file = static_cast<QFile*>(gif->UserData);
    return int(file->read(reinterpret_cast<char*>(buffer), length));
}

[[noreturn]] void Fail(const QString& fileName, int error) {
    const char* text = GifErrorString(error);
    throw EInOutError(fileName + QStringLiteral(": ") +
                      (text ? QString::fromLatin1(text) : QStringLiteral("not a GIF picture")));
}

}  // namespace

QImage LoadGifImage(const QString& fileName) {
    // Read through QFile so that names with any characters work.
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) throw EFileNotFound(fileName + ": " + file.errorString());

    int error = 0;
    GifPtr gif(DGifOpen(&file, ReadFromQFile, &error));
    if (!gif) Fail(fileName, error);
    if (DGifSlurp(gif.get()) != GIF_OK) Fail(fileName, gif->Error);
    if (gif->ImageCount < 1) Fail(fileName, D_GIF_ERR_NO_IMAG_DSCR);

    const SavedImage& frame = gif->SavedImages[0];
    const GifImageDesc& desc = frame.ImageDesc;
    const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
    if (!map) Fail(fileName, D_GIF_ERR_NO_COLOR_MAP);

    const int width = gif->SWidth > 0 ? gif->SWidth : desc.Width;
    const int height = gif->SHeight > 0 ? gif->SHeight : desc.Height;
    if (width <= 0 || height <= 0 || width > MaxSide || height > MaxSide)
        Fail(fileName, D_GIF_ERR_WRONG_RECORD);

    GraphicsControlBlock control{};
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    DGifSavedExtensionToGCB(gif.get(), 0, &control);

    QImage image(width, height, QImage::Format_ARGB32);
    if (image.isNull()) Fail(fileName, D_GIF_ERR_NOT_ENOUGH_MEM);
    image.fill(Qt::transparent);
    for (int y = 0; y < desc.Height; ++y) {
        const int screenY = desc.Top + y;
        if (screenY < 0 || screenY >= height) continue;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(screenY));
        const GifByteType* row = frame.RasterBits + qsizetype(y) * desc.Width;
        for (int x = 0; x < desc.Width; ++x) {
            const int screenX = desc.Left + x;
            const int index = row[x];
            if (screenX < 0 || screenX >= width || index == control.TransparentColor ||
                index >= map->ColorCount)
                continue;
            const GifColorType& c = map->Colors[index];
            line[screenX] = qRgb(c.Red, c.Green, c.Blue);
        }
    }
    return image;
}
