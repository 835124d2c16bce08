// SPDX-License-Identifier: MIT
// COvningOrt: questions, nearest-place test, place drawing and hint of the
// place exercise.
#include "OvOrt.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "app/Generell.h"
#include "app/Palette.h"
#include "data/UKarta.h"
#include "platform/Random.h"
#include "screens/Ovform.h"

namespace {
constexpr int GridStep = 10;
constexpr int NameOffsetBelow = 12;  // the label sits this far below the place
}  // namespace

COvningOrt::COvningOrt() = default;
COvningOrt::~COvningOrt() = default;

TMapExerciseScreen* COvningOrt::Screen() const {
    return FormAlive() ? dynamic_cast<TMapExerciseScreen*>(Form) : nullptr;
}

void COvningOrt::Start(TOvningsformular& form) {
    auto* screen = dynamic_cast<TMapExerciseScreen*>(&form);
    if (!screen) throw std::invalid_argument("The place exercise needs the map screen");
    if (!Map || !Map->Places)
        throw std::invalid_argument("The place exercise needs a map with places");
    CurrentPlace = nullptr;
    answerOrder_.clear();
    Map->LandColor = Colors::Silver;
    Map->AreaColor = Colors::Silver;
    COvning::Start(form);
    DrawMapAndAsk(*screen);
}

bool COvningOrt::RedrawMap() {
    if (!DrawMapBase()) return false;
    if (Map->ShowGrid) {
        Map->DrawGrid(GridStep, Colors::Silver, TPenMode::NotXor);
        if (!LetMessagesRun()) return false;
    }
    // The answers again in their order, each as the run drew it: its green
    // and yellow marks, then the open places over them.
    for (COrt* place : answerOrder_) place->Answered = false;
    Map->DrawPlaces();
    for (COrt* place : answerOrder_) {
        Map->DrawPlace(*place, Colors::Green);
        place->Answered = true;
        Map->DrawPlace(*place, Colors::Yellow);
        Map->DrawPlaces();
    }
    if (CurrentPlace && HintColour != 0) Map->DrawPlace(*CurrentPlace, HintColour);
    if (!LetMessagesRun()) return false;
    if (TMapExerciseScreen* screen = Screen()) screen->ShowName(QString(), 0, 0, false);
    return LetMessagesRun();
}

QString COvningOrt::NextQuestion() {
    if (!Map || !Map->Places) return {};
    QString text;
    if (Map->Places->RemainingCount >= 1) {
        std::vector<COrt*> open;
        for (COrt* place = Map->Places->First; place; place = place->Next)
            if (place->Selected && !place->Answered && Askable(place->Code)) open.push_back(place);
        if (!open.empty()) {
            Tries = 0;
            HintColour = 0;
            const int k = AskOnly.isEmpty() ? std::min(RandomBelow(Map->Places->RemainingCount),
                                                       int(open.size()) - 1)
                                            : RandomBelow(int(open.size()));
            CurrentPlace = open[std::size_t(k)];
            text = LanguageText(9) + QLatin1Char(' ') + CurrentPlace->Names[CurrentLanguage];
        }
    }
    Map->DrawPlaces();
    return text;
}

COrt* COvningOrt::NearestPlace(const TAnswer& answer) const {
    if (!Map || !Map->Places) return nullptr;
    const GeoPoint click{answer.Lat, answer.Lon};
    COrt* nearest = nullptr;
    qint32 best = MaxDistance;
    for (COrt* place = Map->Places->First; place; place = place->Next) {
        if (!place->Selected) continue;
        const qint32 distance = Map->PixelDistance(click, *place);
        if (distance < best) {
            best = distance;
            nearest = place;
        }
    }
    return nearest;
}

bool COvningOrt::IsRight(const TAnswer& answer) {
    return CurrentPlace && NearestPlace(answer) == CurrentPlace;
}

bool COvningOrt::IsAnswered(const TAnswer& answer) {
    const COrt* place = NearestPlace(answer);
    return place && place->Answered;
}

QString COvningOrt::AskedKey() const {
    return CurrentPlace ? CurrentPlace->Code : QString();
}

QString COvningOrt::ClickedKey(const TAnswer& answer) const {
    const COrt* place = NearestPlace(answer);
    return place ? place->Code : QString();
}

void COvningOrt::Right() {
    if (TMapExerciseScreen* screen = Screen()) screen->ShowName(QString(), 0, 0, false);
    COvning::Right();
    BlinkState = 0;
    HintColour = 0;
    if (!Map || !CurrentPlace) return;
    Map->DrawPlace(*CurrentPlace, Colors::Green);
    if (!LetMessagesRun()) return;  // the screen and its map are gone
    CurrentPlace->Answered = true;
    CurrentPlace->Attempts = Tries + 1;
    answerOrder_.push_back(CurrentPlace);
    Map->DrawPlace(*CurrentPlace, Colors::Yellow);
    --Map->Places->RemainingCount;
}

void COvningOrt::Wrong(const TAnswer& answer) {
    COvning::Wrong(answer);
    const COrt* place = NearestPlace(answer);
    if (place && !place->Answered) {
        if (TMapExerciseScreen* screen = Screen()) {
            const float lat = float(place->Latitude);
            const int y = Map->LatToY(lat);
            const int x = Map->LonLatToX(float(place->Longitude), lat);
            screen->ShowName(place->Names[CurrentLanguage], x, y + Map->Scaled(NameOffsetBelow),
                             true);
            if (!LetMessagesRun()) return;
        }
    }
    if (Tries == 3) BlinkState = 1;
}

void COvningOrt::Blink() {
    if (!Map || !CurrentPlace) return;
    if (BlinkState == 1) {
        HintColour = CurrentPalette().PlaceHint[0];
        Map->DrawPlace(*CurrentPlace, HintColour);
        BlinkState = 2;
    } else if (BlinkState == 2 && Tries > 3) {
        HintColour = CurrentPalette().PlaceHint[1];
        Map->DrawPlace(*CurrentPlace, HintColour);
        BlinkState = 1;
    }
}
