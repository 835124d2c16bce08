// SPDX-License-Identifier: MIT
// The reader's primitives, block boundaries and failures.
#include <gtest/gtest.h>

#include <QFile>

#include "data/Fileread.h"
#include "support/CrpWriter.h"
#include "support/GlomiraTest.h"

namespace {

class FilereadTest : public GlomiraTest {
  protected:
    QString Write(const QByteArray& bytes) {
        const QString name = Path("f.crp");
        CrpWriter().Raw(bytes).Save(name);
        return name;
    }
};

template <typename F>
QString MessageOf(F&& f) {
    try {
        f();
    } catch (const Exception& e) {
        return e.Message();
    }
    return "no exception";
}

TEST_F(FilereadTest, EmptyFileIsAtEndAndEveryReadFails) {
    TByteFile file(Write({}));
    EXPECT_TRUE(file.AtEnd());
    EXPECT_THROW(file.ReadByte(), EInOutError);
    EXPECT_EQ(MessageOf([&] { file.ReadText(); }), "Read beyond end of file");
}

TEST_F(FilereadTest, BlockBoundaryAt512Bytes) {
    QByteArray bytes;
    for (int i = 0; i < 512; ++i) bytes.append(char(i & 0xFF));
    TByteFile file(Write(bytes));
    for (int i = 0; i < 512; ++i) {
        ASSERT_FALSE(file.AtEnd()) << i;
        ASSERT_EQ(file.ReadByte(), quint8(i & 0xFF));
    }
    EXPECT_TRUE(file.AtEnd());
    EXPECT_EQ(MessageOf([&] { file.ReadByte(); }), "Read beyond end of file");
}

TEST_F(FilereadTest, ValuesStraddlingTheBlockBoundaryReadWhole) {
    CrpWriter w;
    for (int i = 0; i < 511; ++i) w.Byte(0);
    w.Word(0x1234);  // offsets 511 and 512
    for (int i = 0; i < 1021 - 513; ++i) w.Byte(0);
    w.Int32(-123456789);  // offsets 1021..1024, across the second boundary
    TByteFile file(Write(w.Bytes()));
    for (int i = 0; i < 511; ++i) file.ReadByte();
    EXPECT_EQ(file.ReadWord(), 0x1234);
    for (int i = 0; i < 1021 - 513; ++i) file.ReadByte();
    EXPECT_EQ(file.ReadInt32(), -123456789);
    EXPECT_TRUE(file.AtEnd());
}

TEST_F(FilereadTest, WordsAbove32767AreRangeErrorsAfterBothBytes) {
    TByteFile file(Write(QByteArray::fromHex("ff7f008041")));
    EXPECT_EQ(file.ReadWord(), 32767);
    EXPECT_EQ(MessageOf([&] { file.ReadWord(); }), "Range check error");
    EXPECT_EQ(file.ReadByte(), 0x41);  // both bytes of the bad word were consumed
}

TEST_F(FilereadTest, SignedInt32) {
    TByteFile file(Write(QByteArray::fromHex("e803000018fcffffffffffff00000080")));
    EXPECT_EQ(file.ReadInt32(), 1000);
    EXPECT_EQ(file.ReadInt32(), -1000);
    EXPECT_EQ(file.ReadInt32(), -1);
    EXPECT_EQ(file.ReadInt32(), std::numeric_limits<qint32>::min());
}

TEST_F(FilereadTest, StringsShiftBy21AndWrap) {
    TByteFile file(
        Write(QByteArray::fromHex("034c4d4e"
                                  "00"
                                  "01eb"
                                  "01ea"
                                  "0100"
                                  "016b")));
    EXPECT_EQ(file.ReadText(), "abc");
    EXPECT_EQ(file.ReadText(), "");
    EXPECT_EQ(file.ReadText(), QString(QChar(0)));
    EXPECT_EQ(file.ReadText(), QString(QChar(0xFF)));  // ÿ
    EXPECT_EQ(file.ReadText(), QString(QChar(21)));
    EXPECT_EQ(file.ReadText(), QString(QChar(0x20AC)));  // 0x80 is the euro sign in 1252
    EXPECT_TRUE(file.AtEnd());
}

TEST_F(FilereadTest, TruncatedStringFails) {
    TByteFile file(Write(QByteArray::fromHex("054c4d")));
    EXPECT_EQ(MessageOf([&] { file.ReadText(); }), "Read beyond end of file");
}

TEST_F(FilereadTest, LongStringAcrossBlocks) {
    CrpWriter w;
    for (int i = 0; i < 400; ++i) w.Byte(0);
    const QString text = QString(255, QChar('x'));
    w.Text(text);
    TByteFile file(Write(w.Bytes()));
    for (int i = 0; i < 400; ++i) file.ReadByte();
    EXPECT_EQ(file.ReadText(), text);
    EXPECT_TRUE(file.AtEnd());
}

TEST_F(FilereadTest, MissingFileNamesThePathAsPassed) {
    const QString name = Path("nope/Ovning.crp");
    EXPECT_EQ(MessageOf([&] { TByteFile f(name); }), "File \"" + name + "\" not found.");
    EXPECT_THROW(TByteFile f(name), EFileNotFound);
}

TEST_F(FilereadTest, UnopenableFileIsOpenFailed) {
    EXPECT_THROW(TByteFile f(dir_.path()), EFileOpenFailed);  // a folder, not a file
    EXPECT_TRUE(MessageOf([&] { TByteFile f(dir_.path()); }).startsWith("File open failed: "));
}

TEST(DecodeText, ShiftsEveryByte) {
    EXPECT_EQ(DecodeText(QByteArray::fromHex("4c00ebff")), QByteArray::fromHex("61150014"));
}

}  // namespace
