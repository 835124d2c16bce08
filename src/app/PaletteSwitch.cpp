// SPDX-License-Identifier: MIT
// The colour-blind palette's check box and its stored setting.
#include "PaletteSwitch.h"

#include "app/OwnTexts.h"
#include "app/Palette.h"
#include "data/Fileread.h"
#include "platform/MessageBoxes.h"
#include "platform/SettingsStore.h"

namespace {
const QString Section = QStringLiteral("Options");
const QString Key = QStringLiteral("ColourBlind");
}  // namespace

TPaletteSwitch::TPaletteSwitch(QWidget* parent) : QCheckBox(parent) {
    setObjectName(QStringLiteral("chkColourBlind"));
    const bool on = Stored();
    setChecked(on);
    UseColourBlindPalette(on);
    connect(this, &QCheckBox::toggled, this, &TPaletteSwitch::Toggled);
}

void TPaletteSwitch::Translate(int language) {
    setText(OwnText(TOwnText::ColourBlindSwitch, language));
}

bool TPaletteSwitch::Stored() {
    return TSettingsStore().ReadInteger(Section, Key, 0) == 1;
}

void TPaletteSwitch::Toggled(bool on) {
    UseColourBlindPalette(on);
    try {
        TSettingsStore settings;
        settings.WriteString(Section, Key, on ? QStringLiteral("1") : QStringLiteral("0"));
    } catch (const Exception&) {
        ShowMessage(TMessageKind::Information, SettingsWriteFailedText());
    }
}
