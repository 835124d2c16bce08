// SPDX-License-Identifier: MIT
// TSettingsStore: the per-user settings ("Languages"/"From", "Options"/...)
// on QSettings, read and written ini-style as decimal text.
#pragma once

#include <QSettings>
#include <QString>

class TSettingsStore {
  public:
    TSettingsStore();

    // A missing value, or one that is not plain text, reads as the default.
    QString ReadString(const QString& section, const QString& key,
                       const QString& defaultValue) const;
    // As above; text that is not a whole number also reads as the default.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;

    // Writes through to the store at once; raises EInOutError when it cannot.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);

  private:
    QSettings settings_;
};

// The one message every settings write failure shows.
QString SettingsWriteFailedText();
