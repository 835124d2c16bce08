// SPDX-License-Identifier: MIT
// CMapExplorer: draws an exercise's map and names what the pointer is on.
#include "MapExplorer.h"

#include <stdexcept>

#include "app/Generell.h"
#include "app/OwnTexts.h"
#include "data/UKarta.h"
#include "exercise/ExerciseItems.h"
#include "screens/Ovform.h"

namespace {
constexpr int GridStep = 10;
constexpr int PlaceReach = 12;      // control pixels from a place's dot that still point at it
constexpr int NameAbovePoint = 18;  // the name sits above the pointer, not under it
}  // namespace

CMapExplorer::CMapExplorer(const COvning& entry) {
    CopyCatalogueFields(entry);
    const bool places = entry.Kind == QLatin1String("ORT");
    const bool multi = !places && entry.Kind != QLatin1String("AREA");
    showsAreas_ = !places;
    showsPlaces_ = places || multi;
    // The map screen runs it; the items are read as a place exercise's when
    // it shows places.
    Kind = showsPlaces_ ? QStringLiteral("ORT") : QStringLiteral("AREA");
}

CMapExplorer::~CMapExplorer() = default;

TMapExerciseScreen* CMapExplorer::Screen() const {
    return FormAlive() ? dynamic_cast<TMapExerciseScreen*>(Form) : nullptr;
}

void CMapExplorer::Start(TOvningsformular& form) {
    auto* screen = dynamic_cast<TMapExerciseScreen*>(&form);
    if (!screen) throw std::invalid_argument("Exploring needs the map screen");
    if (!Map || !Map->Areas) throw std::invalid_argument("Exploring needs a map");
    try {
        items_ = std::make_unique<TExerciseItems>(*this);
    } catch (const std::exception&) {
        items_.reset();  // names come from the map alone
    }
    if (!showsAreas_) {
        // As the place exercise shows them: places on plain land.
        Map->LandColor = Colors::Silver;
        Map->AreaColor = Colors::Silver;
    }
    COvning::Start(form);
    BeforeDrawing();
    DrawMapAndAsk(*screen);
}

bool CMapExplorer::RedrawMap() {
    Map->MarkersWanted = !showsPlaces_;
    if (!DrawMapBase()) return false;
    if (showsAreas_) Map->ColourSelectedAreas();
    if (!LetMessagesRun()) return false;
    if (Map->ShowGrid)
        Map->DrawGrid(GridStep, showsAreas_ ? Map->AreaColor : Colors::Silver,
                      showsAreas_ ? TPenMode::Mask : TPenMode::NotXor);
    if (showsPlaces_)
        Map->DrawPlaces();
    else
        Map->DrawMarkers();
    return LetMessagesRun();
}

QString CMapExplorer::NextQuestion() {
    return OwnText(TOwnText::ExploreHint, CurrentLanguage);
}

const COrt* CMapExplorer::PlaceNear(const TAnswer& answer) const {
    if (!showsPlaces_ || !Map->Places) return nullptr;
    const GeoPoint at{answer.Lat, answer.Lon};
    const COrt* nearest = nullptr;
    qint32 best = PlaceReach + 1;
    for (const COrt* place = Map->Places->First; place; place = place->Next) {
        if (!place->Selected) continue;
        const qint32 distance = Map->PixelDistance(at, *place);
        if (distance < best) {
            best = distance;
            nearest = place;
        }
    }
    return nearest;
}

CMapExplorer::TFound CMapExplorer::At(const TAnswer& answer) const {
    TFound found;
    if (!Map) return found;
    const int language = CurrentLanguage;
    const QString separator = QStringLiteral(" \u00b7 ");
    if (const COrt* place = PlaceNear(answer)) {
        found.Text = place->Names[language];
        const TItemInfo* info = items_ ? items_->Find(place->Code) : nullptr;
        if (info && !info->Within.isEmpty()) found.Text += separator + info->Within;
        const float lat = float(place->Latitude);
        found.X = Map->LonLatToX(float(place->Longitude), lat);
        found.Y = Map->LatToY(lat);
    } else if (const CArea* area =
                   Map->Areas ? Map->Areas->AreaAt(GeoPoint{answer.Lat, answer.Lon}) : nullptr) {
        const TItemInfo* info = items_ ? items_->Find(area->Code) : nullptr;
        found.Text = area->Names[language];
        found.FlagFile = area->FlagFile;
        if (info && !info->Capital.isEmpty())
            found.Text += separator + OwnText(TOwnText::ReviewCapital, language).arg(info->Capital);
        found.X = Map->LonLatToX(answer.Lon, answer.Lat);
        found.Y = Map->LatToY(answer.Lat);
    }
    found.Y -= Map->Scaled(NameAbovePoint);
    return found;
}

void CMapExplorer::Point(const TAnswer& answer) {
    TMapExerciseScreen* screen = Screen();
    if (!screen) return;
    const TFound found = At(answer);
    if (!found.FlagFile.isEmpty())
        screen->ShowNameWithFlag(found.Text, found.FlagFile, found.X, found.Y);
    else
        screen->ShowName(found.Text, found.X, found.Y, !found.Text.isEmpty());
}
