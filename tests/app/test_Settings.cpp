// SPDX-License-Identifier: MIT
// The settings store: defaults, non-numbers, and writes that fail.
#include <gtest/gtest.h>

#include <QFile>

#include "app/ShellTest.h"
#include "platform/SettingsStore.h"

namespace {

using SettingsStoreTest = ShellTest;

TEST_F(SettingsStoreTest, MissingAndUnusableValuesReadAsTheDefault) {
    Store("Options/Music", "2");
    Store("Options/Sounds", "yes");
    const TSettingsStore store;
    EXPECT_EQ(store.ReadInteger("Options", "Music", 1), 2);
    EXPECT_EQ(store.ReadInteger("Options", "Sounds", 1), 1);
    EXPECT_EQ(store.ReadInteger("Options", "Nothing", 7), 7);
    EXPECT_EQ(store.ReadString("Languages", "From", "2"), "2");
}

TEST_F(SettingsStoreTest, AListInAHandEditedFileCountsAsMissing) {
    QDir().mkpath(Path("config/Glomira"));
    QFile conf(Path("config/Glomira/Glomira.conf"));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write("[Languages]\nFrom=3, 4\n[Options]\nMusic=0\n");
    conf.close();
    const TSettingsStore store;
    EXPECT_EQ(store.ReadString("Languages", "From", "2"), "2");
    EXPECT_EQ(store.ReadInteger("Options", "Music", 1), 0);
}

TEST_F(SettingsStoreTest, WritesDecimalTextIntoItsSection) {
    TSettingsStore().WriteInteger("Languages", "From", 6);
    EXPECT_EQ(Stored("Languages/From"), "6");
    QFile conf(Path("config/Glomira/Glomira.conf"));
    ASSERT_TRUE(conf.open(QIODevice::ReadOnly));
    const QByteArray text = conf.readAll();
    EXPECT_TRUE(text.contains("[Languages]")) << text.constData();
    EXPECT_TRUE(text.contains("From=6")) << text.constData();
}

TEST_F(SettingsStoreTest, AFailedWriteRaisesTheIniMessage) {
    BlockSettingsFolder();
    TSettingsStore store;
    try {
        store.WriteString("Options", "Music", "0");
        FAIL() << "the write should fail";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Message(), "Could not write to Glomira.ini");
    }
}

}  // namespace
