// SPDX-License-Identifier: MIT
// Windows-1252 conversion with the full table, including 0x80-0x9F.
#include "TextCodec.h"

#include <array>

namespace {

// 0x80..0x9F; the undefined positions keep their C1 control code.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char16_t Decode(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) return kHighControls[b - 0x80];
    return char16_t(b);
}

}  // namespace

QString FromWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) out[i] = QChar(Decode(uchar(bytes[i])));
    return text;
}

QByteArray ToWindows1252(const QString& text, bool* ok) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    bool all = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        int byte = -1;
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            byte = c;
        } else {
            for (int k = 0; k < 32; ++k) {
                if (kHighControls[k] == c) {
                    byte = 0x80 + k;
                    break;
                }
            }
        }
        if (byte < 0) {
            all = false;
            byte = '?';
        }
        bytes[i] = char(byte);
    }
    if (ok) *ok = all;
    return bytes;
}
