// SPDX-License-Identifier: MIT
// Windows-1252 round trips, including the 0x80-0x9F block.
#include <gtest/gtest.h>

#include "platform/TextCodec.h"

namespace {

TEST(TextCodec, EveryByteRoundTrips) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(char(b));
    const QString text = FromWindows1252(all);
    ASSERT_EQ(text.size(), 256);
    bool ok = false;
    EXPECT_EQ(ToWindows1252(text, &ok), all);
    EXPECT_TRUE(ok);
}

TEST(TextCodec, HighControlBlockUsesTheWindowsCharacters) {
    EXPECT_EQ(FromWindows1252("\x80\x8a\x9f"), QString::fromUtf8("€ŠŸ"));
    EXPECT_EQ(FromWindows1252("\xe5\xe4\xf6"), QString::fromUtf8("åäö"));
}

TEST(TextCodec, UnrepresentableCharactersAreReported) {
    bool ok = true;
    EXPECT_EQ(ToWindows1252(QString::fromUtf8("Łódź"), &ok), QByteArray("?\xf3"
                                                                        "d?"));
    EXPECT_FALSE(ok);
}

}  // namespace
