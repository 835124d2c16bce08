// SPDX-License-Identifier: MIT
// COvningFlagga: the pick-the-flag exercise: up to sixteen flags of the
// exercise's areas, each asked once in random order.
#pragma once

#include "exercise/ovning.h"

class COvningFlagga : public COvning {
  public:
    static constexpr int MaxFlags = 16;

    COvningFlagga();
    ~COvningFlagga() override;

    qint32 CurrentPos = 0;  // position (1..FlagCount) of the flag asked now
    qint32 FlagCount = 0;   // flags of this run: ItemCount, at most 16

    QString NextQuestion() override;
    // Right when Index is the asked position; marks that flag Done.
    bool IsRight(const TAnswer& answer) override;
    QString AskedKey() const override;
    QString ClickedKey(const TAnswer& answer) const override;
    void Right() override;
    void Wrong(const TAnswer& answer) override;
    // Shuffles Items (the order is kept for the next start), then asks.
    void Start(TOvningsformular& form) override;
    void Blink() override;  // the flag screen blinks by itself

    // The label of the flag at position p; empty beyond FlagCount.
    QString FlagName(int position) const;
};
