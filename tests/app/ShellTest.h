// SPDX-License-Identifier: MIT
// Fixture for windowed shell tests: a private settings folder, message boxes
// captured instead of shown, and the shared state restored afterwards.
#pragma once

#include <QDir>
#include <QFile>
#include <QSettings>
#include <memory>
#include <utility>
#include <vector>

#include "app/Generell.h"
#include "platform/HelpViewer.h"
#include "platform/MessageBoxes.h"
#include "support/GlomiraTest.h"

class ShellTest : public GlomiraTest {
  protected:
    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Path("config"));
        SetMessageSink(
            [this](TMessageKind kind, const QString& text) { messages.emplace_back(kind, text); });
        CurrentLanguage = 2;
        SoundsOn = MusicOn = true;
        PanelColor = 0x02E0D0C0;
        FrameColor = MakeColor(40, 90, 160);
    }
    void TearDown() override { CloseHelp(); }

    QString Stored(const QString& key) const { return Settings()->value(key).toString(); }
    bool HasStored(const QString& key) const { return Settings()->contains(key); }
    void Store(const QString& key, const QString& value) { Settings()->setValue(key, value); }
    // A file where the settings folder should be: every write then fails.
    void BlockSettingsFolder() {
        QDir().mkpath(Path("config"));
        QFile blocker(Path("config/Glomira"));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }

    std::vector<std::pair<TMessageKind, QString>> messages;

  private:
    static std::unique_ptr<QSettings> Settings() {
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "Glomira",
                                           "Glomira");
    }
};
