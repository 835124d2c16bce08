// SPDX-License-Identifier: MIT
#include "AnswerPixel.h"

#include <vector>

#include "data/UKarta.h"
#include "exercise/OvLand.h"
#include "exercise/OvOrt.h"

namespace {

// The points to try, best first.
std::vector<QPoint> Candidates(const CKarta& map, COvning& exercise) {
    std::vector<QPoint> out;
    const auto project = [&](float lat, float lon) {
        return QPoint(map.LonLatToX(lon, lat), map.LatToY(lat));
    };
    if (auto* area = dynamic_cast<COvningLandArea*>(&exercise)) {
        if (!map.Areas || area->CurrentKey.isEmpty()) return out;
        if (const TAreaMarker* marker = map.Markers().Of(area->CurrentKey))
            out.push_back(marker->centre);
        for (const auto& a : map.Areas->Areas) {
            if (!a->Selected || !a->Matches(area->CurrentKey)) continue;
            for (const GeoPoint& seed : {a->Seed1, a->Seed2})
                out.push_back(project(seed.Lat, seed.Lon));
        }
        // Zoomed in, the seeds may lie off the picture.
        for (const auto& a : map.Areas->Areas)
            if (a->Selected && a->Matches(area->CurrentKey))
                for (const QPoint& p : map.InteriorPixels(*a, 4)) out.push_back(p);
    } else if (auto* place = dynamic_cast<COvningOrt*>(&exercise); place && place->CurrentPlace) {
        out.push_back(
            project(float(place->CurrentPlace->Latitude), float(place->CurrentPlace->Longitude)));
    }
    return out;
}

}  // namespace

std::optional<QPoint> AnswerPixel(const CKarta& map, COvning& exercise) {
    if (exercise.Finished) return std::nullopt;
    const auto answers = [&](QPoint at) {
        if (!map.InsideImage(at.x(), at.y())) return false;
        const GeoPoint clicked = map.ClickPoint(at.x(), at.y());
        TAnswer answer;
        answer.Lat = clicked.Lat;
        answer.Lon = clicked.Lon;
        return exercise.IsRight(answer);
    };
    for (const QPoint& p : Candidates(map, exercise)) {
        // The projection back from a pixel moves a point by a fraction of a pixel.
        for (int r = 0; r <= 3; ++r)
            for (int dy = -r; dy <= r; ++dy)
                for (int dx = -r; dx <= r; ++dx)
                    if (answers(p + QPoint(dx, dy))) return p + QPoint(dx, dy);
    }
    return std::nullopt;
}

std::optional<QPoint> MissPixel(const CKarta& map, COvning& exercise) {
    if (exercise.Finished || exercise.AskedKey().isEmpty()) return std::nullopt;
    const auto counts = [&](QPoint at) {
        if (!map.InsideImage(at.x(), at.y())) return false;
        const GeoPoint clicked = map.ClickPoint(at.x(), at.y());
        TAnswer answer;
        answer.Lat = clicked.Lat;
        answer.Lon = clicked.Lon;
        return !exercise.IsRight(answer) && !exercise.IsAnswered(answer) &&
               !exercise.ClickedKey(answer).isEmpty();
    };
    std::vector<QPoint> tries;
    if (map.Areas)
        for (const auto& a : map.Areas->Areas)
            if (a->Selected && !a->Answered)
                for (const GeoPoint& seed : {a->Seed1, a->Seed2})
                    tries.emplace_back(map.LonLatToX(seed.Lon, seed.Lat), map.LatToY(seed.Lat));
    if (map.Places && dynamic_cast<COvningOrt*>(&exercise))
        for (const COrt* p = map.Places->First; p; p = p->Next)
            if (p->Selected && !p->Answered)
                tries.emplace_back(map.LonLatToX(float(p->Longitude), float(p->Latitude)),
                                   map.LatToY(float(p->Latitude)));
    for (const QPoint& p : tries)
        if (counts(p)) return p;
    return std::nullopt;
}
