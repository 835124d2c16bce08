// SPDX-License-Identifier: MIT
// COvningLandArea: questions, hit test, colouring and hint of the area exercise.
#include "OvLand.h"

#include <stdexcept>
#include <utility>
#include <vector>

#include "app/Generell.h"
#include "app/Palette.h"
#include "data/UKarta.h"
#include "platform/Random.h"
#include "screens/Ovform.h"

namespace {
constexpr int GridStep = 10;
}

COvningLandArea::COvningLandArea() = default;
COvningLandArea::~COvningLandArea() = default;

TMapExerciseScreen* COvningLandArea::Screen() const {
    return FormAlive() ? dynamic_cast<TMapExerciseScreen*>(Form) : nullptr;
}

CArea* COvningLandArea::AreaAt(const TAnswer& answer) const {
    if (!Map || !Map->Areas) return nullptr;
    return Map->Areas->AreaAt(GeoPoint{answer.Lat, answer.Lon});
}

void COvningLandArea::Start(TOvningsformular& form) {
    auto* screen = dynamic_cast<TMapExerciseScreen*>(&form);
    if (!screen) throw std::invalid_argument("The area exercise needs the map screen");
    if (!Map || !Map->Areas)
        throw std::invalid_argument("The area exercise needs a map with areas");
    for (int i = 1; i <= ItemCount; ++i) Done[i] = false;
    COvning::Start(form);
    DrawMapAndAsk(*screen);
}

bool COvningLandArea::RedrawMap() {
    Map->MarkersWanted = true;  // the areas too small to click get circles
    if (!DrawMapBase()) return false;
    // As the run drew it: every item in the exercise colour under the
    // graticule first, then the answers over both, then the hint.
    std::vector<std::pair<CArea*, qint32>> answered;
    for (const auto& area : Map->Areas->Areas) {
        if (!area->Answered) continue;
        answered.emplace_back(area.get(), area->Attempts);
        area->Answered = false;
    }
    Map->ColourSelectedAreas();
    for (const auto& [area, attempts] : answered) {
        area->Answered = true;
        area->Attempts = attempts;
    }
    if (!LetMessagesRun()) return false;
    if (Map->ShowGrid) Map->DrawGrid(GridStep, Map->AreaColor, TPenMode::Mask);
    Map->DrawMarkers();  // over the graticule
    if (!answered.empty()) Map->ColourSelectedAreas();
    if (HintColour != 0) Map->ColourAreasByCode(CurrentKey, HintColour);
    return true;
}

QString COvningLandArea::NextQuestion() {
    bool anyOpen = false;
    for (int i = 1; i <= ItemCount && !anyOpen; ++i) anyOpen = !Done[i] && Askable(Items[i]);
    if (QuestionNo >= ItemCount || !anyOpen) {
        if (Map) Map->ColourSelectedAreas();
        return {};
    }
    Tries = 0;
    HintColour = 0;
    ++QuestionNo;
    do {
        CurrentPos = RandomBelow(ItemCount) + 1;
        CurrentKey = Items[CurrentPos];
    } while (Done[CurrentPos] || !Askable(CurrentKey));
    if (Map) Map->ColourSelectedAreas();
    return LanguageText(9) + QLatin1Char(' ') + AreaName(CurrentKey);
}

bool COvningLandArea::IsRight(const TAnswer& answer) {
    const CArea* area = AreaAt(answer);
    return area && area->Matches(CurrentKey);
}

bool COvningLandArea::IsAnswered(const TAnswer& answer) {
    const CArea* area = AreaAt(answer);
    return area && area->Answered;
}

void COvningLandArea::Right() {
    COvning::Right();
    HintColour = 0;
    ++Asked;
    if (Map) Map->ColourAreasByCode(CurrentKey, CorrectColor);
    if (TMapExerciseScreen* screen = Screen()) screen->ShowName(QString(), 0, 0, false);
    if (Map && Map->Areas) Map->Areas->MarkAnswered(CurrentKey, Tries + 1);
    if (CurrentPos >= 1) Done[CurrentPos] = true;
}

QString COvningLandArea::AskedKey() const {
    return CurrentKey;
}

// The first item the clicked area answers to.
QString COvningLandArea::ClickedKey(const TAnswer& answer) const {
    if (const CArea* clicked = AreaAt(answer))
        for (int i = 1; i <= ItemCount; ++i)
            if (clicked->Matches(Items[i])) return Items[i];
    return {};
}

void COvningLandArea::Wrong(const TAnswer& answer) {
    const QString key = ClickedKey(answer);
    const CArea* named = Map && Map->Areas ? Map->Areas->FindByCode(key) : nullptr;
    if (named) {
        const QString name = named->Names[CurrentLanguage];
        COvning::Wrong(answer);
        if (TMapExerciseScreen* screen = Screen()) {
            const int y = Map->LatToY(answer.Lat);
            const int x = Map->LonLatToX(answer.Lon, answer.Lat);
            if (named->FlagFile.isEmpty())
                screen->ShowName(name, x, y, true);
            else
                screen->ShowNameWithFlag(name, named->FlagFile, x, y);
        }
    }
    if (Tries == 3) BlinkState = 1;
}

void COvningLandArea::Blink() {
    if (!Map) return;
    if (BlinkState == 1) {
        HintColour = CurrentPalette().AreaHint[0];
        Map->ColourAreasByCode(CurrentKey, HintColour);
        BlinkState = 2;
    } else if (BlinkState == 2 && Tries > 3) {
        HintColour = CurrentPalette().AreaHint[1];
        Map->ColourAreasByCode(CurrentKey, HintColour);
        BlinkState = 1;
    }
}
