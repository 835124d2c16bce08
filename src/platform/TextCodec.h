// SPDX-License-Identifier: MIT
// Windows-1252 text at the boundary of the data and score files.
#pragma once

#include <QByteArray>
#include <QString>

// Every byte maps to one character; the five bytes Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the
// same value, as Windows itself does, so decoding never loses a byte.
QString FromWindows1252(const QByteArray& bytes);

// Characters without a Windows-1252 byte become '?'; *ok (when given) says
// whether every character was representable.
QByteArray ToWindows1252(const QString& text, bool* ok = nullptr);
