// SPDX-License-Identifier: MIT
// TPaletteSwitch: the main menu's check box for the colour-blind palette,
// kept in the settings ("Options"/"ColourBlind") and read at start.
#pragma once

#include <QCheckBox>

class TPaletteSwitch : public QCheckBox {
    Q_OBJECT
  public:
    // Reads the stored choice and puts that palette in use.
    explicit TPaletteSwitch(QWidget* parent);
    // The caption in the language (1 Swedish .. 6 Italian).
    void Translate(int language);

    static bool Stored();

  private:
    // Uses the palette at once and stores the choice; a store that cannot
    // be written is reported, and the palette stays in use for this session.
    void Toggled(bool on);
};
