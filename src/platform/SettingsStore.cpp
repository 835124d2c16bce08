// SPDX-License-Identifier: MIT
// The settings store on QSettings.
#include "SettingsStore.h"

#include "data/Fileread.h"

TSettingsStore::TSettingsStore()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Glomira"),
                QStringLiteral("Glomira")) {}

QString TSettingsStore::ReadString(const QString& section, const QString& key,
                                   const QString& defaultValue) const {
    const QVariant value = settings_.value(section + QLatin1Char('/') + key);
    // A hand-edited file may hold a list ("1,2") or nothing usable: treat it as missing.
    if (value.typeId() != QMetaType::QString) return defaultValue;
    return value.toString();
}

int TSettingsStore::ReadInteger(const QString& section, const QString& key,
                                int defaultValue) const {
    bool ok = false;
    const int number = ReadString(section, key, QString()).trimmed().toInt(&ok);
    return ok ? number : defaultValue;
}

void TSettingsStore::WriteString(const QString& section, const QString& key, const QString& value) {
    settings_.setValue(section + QLatin1Char('/') + key, value);
    settings_.sync();
    if (settings_.status() != QSettings::NoError) throw EInOutError(SettingsWriteFailedText());
}

void TSettingsStore::WriteInteger(const QString& section, const QString& key, int value) {
    WriteString(section, key, QString::number(value));
}

QString SettingsWriteFailedText() {
    return QStringLiteral("Could not write to Glomira.ini");
}
