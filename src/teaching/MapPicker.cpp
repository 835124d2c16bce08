// SPDX-License-Identifier: MIT
// CMapPicker: toggles areas on the map screen.
#include "MapPicker.h"

#include "app/Generell.h"
#include "app/OwnTexts.h"
#include "data/UKarta.h"
#include "data/ovningar.h"
#include "screens/Ovform.h"

namespace {
// The map screen runs it as an area map, whatever the draft's kind.
std::unique_ptr<COvning> AsAreaMap(const COvning& draft) {
    auto copy = CreateExercise(QStringLiteral("AREA"));
    copy->CopyCatalogueFields(draft);
    copy->Kind = QStringLiteral("AREA");
    copy->ItemCount = 0;
    return copy;
}
}  // namespace

CMapPicker::CMapPicker(const COvning& draft, QStringList chosen)
    : CMapExplorer(*AsAreaMap(draft)), chosen_(std::move(chosen)) {
    chosen_.removeDuplicates();
}

void CMapPicker::BeforeDrawing() {
    if (!Map || !Map->Areas) return;
    // Every area can be chosen, so every area is selected and gets a marker
    // when it is too small to click.
    for (const auto& area : Map->Areas->Areas)
        if (area->PointCount() > 0) area->Selected = true;
    for (const QString& code : chosen_) MarkChosen(code, true);
}

void CMapPicker::MarkChosen(const QString& code, bool chosen) {
    for (const auto& area : Map->Areas->Areas) {
        if (area->Code != code) continue;
        area->Answered = chosen;
        area->Attempts = chosen ? 1 : 0;
    }
}

QString CMapPicker::NextQuestion() {
    return OwnText(TOwnText::PickHint, CurrentLanguage).arg(chosen_.size());
}

bool CMapPicker::RedrawMap() {
    if (Map) view_ = {true, Map->TopLatitude, Map->BottomLatitude, Map->CentreLongitude};
    if (!CMapExplorer::RedrawMap()) return false;
    // The chosen areas over the graticule, as a run shows its answers.
    for (const QString& code : chosen_) {
        const CArea* area = Map->Areas ? Map->Areas->FindByCode(code) : nullptr;
        TColor colour = Map->AreaColor;
        if (area && Map->SelectedAreaColour(*area, colour)) Map->ColourAreasByCode(code, colour);
    }
    return true;
}

void CMapPicker::Wrong(const TAnswer& answer) {
    if (!Map || !Map->Areas) return;
    const CArea* area = Map->Areas->AreaAt(GeoPoint{answer.Lat, answer.Lon});
    if (!area) return;
    const QString code = area->Code;
    const bool chosen = !chosen_.contains(code);
    if (chosen)
        chosen_ << code;
    else
        chosen_.removeAll(code);
    MarkChosen(code, chosen);
    TColor colour = Map->AreaColor;
    Map->SelectedAreaColour(*area, colour);
    Map->ColourAreasByCode(code, colour);
    if (TMapExerciseScreen* screen = Screen()) screen->VisaFraga(NextQuestion());
    Point(answer);
    if (Changed) Changed(chosen_);
}
