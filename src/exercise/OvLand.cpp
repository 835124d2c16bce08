// SPDX-License-Identifier: MIT
// COvningLandArea: questions, hit test, colouring and hint of the area exercise.
#include "OvLand.h"

#include <stdexcept>

#include "app/Generell.h"
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
    if (!DrawMapBase()) return false;
    Map->ColourSelectedAreas();
    if (!LetMessagesRun()) return false;
    if (Map->ShowGrid) Map->DrawGrid(GridStep, Map->AreaColor, TPenMode::Mask);
    return true;
}

QString COvningLandArea::NextQuestion() {
    bool anyOpen = false;
    for (int i = 1; i <= ItemCount && !anyOpen; ++i) anyOpen = !Done[i];
    if (QuestionNo >= ItemCount || !anyOpen) {
        if (Map) Map->ColourSelectedAreas();
        return {};
    }
    Tries = 0;
    ++QuestionNo;
    do {
        CurrentPos = RandomBelow(ItemCount) + 1;
        CurrentKey = Items[CurrentPos];
    } while (Done[CurrentPos]);
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
    ++Asked;
    if (Map) Map->ColourAreasByCode(CurrentKey, CorrectColor);
    if (TMapExerciseScreen* screen = Screen()) screen->ShowName(QString(), 0, 0, false);
    if (Map && Map->Areas) Map->Areas->MarkAnswered(CurrentKey, Tries + 1);
    if (CurrentPos >= 1) Done[CurrentPos] = true;
}

void COvningLandArea::Wrong(const TAnswer& answer) {
    QString key;  // the first item the clicked area answers to
    if (const CArea* clicked = AreaAt(answer)) {
        for (int i = 1; i <= ItemCount; ++i) {
            if (clicked->Matches(Items[i])) {
                key = Items[i];
                break;
            }
        }
    }
    const CArea* named = Map && Map->Areas ? Map->Areas->FindByCode(key) : nullptr;
    if (named) {
        const QString name = named->Names[CurrentLanguage];
        COvning::Wrong(answer);
        if (TMapExerciseScreen* screen = Screen()) {
            const int y = Map->LatToY(answer.Lat);
            const int x = Map->LonLatToX(answer.Lon, answer.Lat);
            screen->ShowName(name, x, y, true);
        }
    }
    if (Tries == 3) BlinkState = 1;
}

void COvningLandArea::Blink() {
    if (!Map) return;
    if (BlinkState == 1) {
        Map->ColourAreasByCode(CurrentKey, CorrectColor);
        BlinkState = 2;
    } else if (BlinkState == 2 && Tries > 3) {
        Map->ColourAreasByCode(CurrentKey, Colors::Green);
        BlinkState = 1;
    }
}
