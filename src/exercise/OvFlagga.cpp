// SPDX-License-Identifier: MIT
// COvningFlagga: shuffle, question order and check of the flag exercise.
#include "OvFlagga.h"

#include <algorithm>
#include <utility>

#include "app/Generell.h"
#include "platform/Random.h"
#include "screens/Ovform.h"

COvningFlagga::COvningFlagga() = default;
COvningFlagga::~COvningFlagga() = default;

void COvningFlagga::Start(TOvningsformular& form) {
    Randomize();
    for (int i = 1; i <= ItemCount; ++i) {
        Done[i] = false;
        const int j = RandomBelow(ItemCount) + 1;
        std::swap(Items[i], Items[j]);
    }
    if (!AskOnly.isEmpty()) {
        // A practice run's flags come first, so they are among those shown,
        // then the shown ones are shuffled again among themselves.
        std::stable_partition(&Items[1], &Items[1] + ItemCount,
                              [this](const QString& key) { return Askable(key); });
        const int shown = std::min(int(ItemCount), int(MaxFlags));
        for (int i = 1; i <= shown; ++i) std::swap(Items[i], Items[RandomBelow(shown) + 1]);
    }
    FlagCount = ItemCount <= MaxFlags ? ItemCount : MaxFlags;
    CurrentPos = 0;
    COvning::Start(form);
    form.VisaFraga(NextQuestion());
}

QString COvningFlagga::NextQuestion() {
    if (QuestionNo >= FlagCount) return {};
    bool anyOpen = false;
    for (int p = 1; p <= FlagCount && !anyOpen; ++p) anyOpen = !Done[p] && Askable(Items[p]);
    if (!anyOpen) return {};  // every flag answered: nothing left to draw
    Tries = 0;
    ++QuestionNo;
    do {
        CurrentPos = RandomBelow(FlagCount) + 1;
    } while (Done[CurrentPos] || !Askable(Items[CurrentPos]));
    return LanguageText(9) + QLatin1Char(' ') + AreaName(Items[CurrentPos]);
}

bool COvningFlagga::IsRight(const TAnswer& answer) {
    if (CurrentPos < 1 || answer.Index != CurrentPos) return false;
    Done[CurrentPos] = true;
    return true;
}

QString COvningFlagga::AskedKey() const {
    return CurrentPos >= 1 && CurrentPos <= FlagCount ? Items[CurrentPos] : QString();
}

QString COvningFlagga::ClickedKey(const TAnswer& answer) const {
    return answer.Index >= 1 && answer.Index <= FlagCount ? Items[answer.Index] : QString();
}

void COvningFlagga::Right() {
    COvning::Right();
}

void COvningFlagga::Wrong(const TAnswer& answer) {
    COvning::Wrong(answer);
}

void COvningFlagga::Blink() {}

QString COvningFlagga::FlagName(int position) const {
    if (position < 1 || position > FlagCount) return {};
    return AreaName(Items[position]);
}
