// SPDX-License-Identifier: MIT
// Colour values of the model: 0x00BBGGRR, red in the low byte.
#pragma once

#include <QColor>
#include <QtGlobal>

using TColor = quint32;

constexpr TColor MakeColor(int red, int green, int blue) {
    return TColor(red & 0xFF) | (TColor(green & 0xFF) << 8) | (TColor(blue & 0xFF) << 16);
}
constexpr int RedOf(TColor c) {
    return int(c & 0xFF);
}
constexpr int GreenOf(TColor c) {
    return int((c >> 8) & 0xFF);
}
constexpr int BlueOf(TColor c) {
    return int((c >> 16) & 0xFF);
}

// A high byte of 2 marks a palette-relative colour; on a true-colour
// surface it is simply its RGB part.
constexpr QRgb ToQRgb(TColor c) {
    return qRgb(RedOf(c), GreenOf(c), BlueOf(c));
}
constexpr TColor FromQRgb(QRgb rgb) {
    return MakeColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}
inline QColor ToQColor(TColor c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

namespace Colors {
constexpr TColor Black = MakeColor(0, 0, 0);
constexpr TColor White = MakeColor(255, 255, 255);
constexpr TColor Gray = MakeColor(128, 128, 128);
constexpr TColor Silver = MakeColor(192, 192, 192);
constexpr TColor Green = MakeColor(0, 128, 0);
constexpr TColor Lime = MakeColor(0, 255, 0);
constexpr TColor Navy = MakeColor(0, 0, 128);
constexpr TColor Blue = MakeColor(0, 0, 255);
constexpr TColor Red = MakeColor(255, 0, 0);
constexpr TColor Maroon = MakeColor(128, 0, 0);
constexpr TColor Yellow = MakeColor(255, 255, 0);
constexpr TColor Aqua = MakeColor(0, 255, 255);
}  // namespace Colors
