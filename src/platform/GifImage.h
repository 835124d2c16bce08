// SPDX-License-Identifier: MIT
// Decoding GIF pictures with giflib.
#pragma once

#include <QImage>
#include <QString>

// The first frame of the file on its logical screen, transparent pixels kept.
// Raises EInOutError with the decoder's message when the file cannot be read
// or is not a usable GIF.
QImage LoadGifImage(const QString& fileName);
