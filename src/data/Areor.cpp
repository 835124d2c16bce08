// SPDX-License-Identifier: MIT
// Area records, their loader and hit test, and the geometry helpers.
#include "Areor.h"

#include "data/Fileread.h"

namespace {

float ReadDegreesSingle(TByteFile& file) {
    return float(file.ReadInt32()) / 10000.0f;
}

}  // namespace

bool CArea::Matches(const QString& code) const {
    return code == Code || code == AltCode1 || code == AltCode2;
}

void CAreor::Load(const QString& fileName) {
    TByteFile file(fileName);
    while (!file.AtEnd()) {
        if (Count() >= MaxAreas) throw ERangeError();
        // Built aside and kept only once read whole: a record cut short by a
        // failure would claim more points than it holds.
        auto area = std::make_unique<CArea>();
        area->Code = file.ReadText();
        area->AltCode1 = file.ReadText();
        area->AltCode2 = file.ReadText();
        for (int language = 1; language <= 6; ++language) area->Names[language] = file.ReadText();
        area->FlagFile = file.ReadText();
        for (int language = 2; language <= 6; ++language)
            if (area->Names[language].isEmpty()) area->Names[language] = area->Names[1];
        area->Reserved = file.ReadWord();
        const int n = file.ReadWord();
        area->North = file.ReadInt32() / 10000.0;
        area->South = file.ReadInt32() / 10000.0;
        area->East = file.ReadInt32() / 10000.0;
        area->West = file.ReadInt32() / 10000.0;
        area->Seed1.Lat = ReadDegreesSingle(file);
        area->Seed1.Lon = ReadDegreesSingle(file);
        area->Seed2.Lat = ReadDegreesSingle(file);
        area->Seed2.Lon = ReadDegreesSingle(file);
        area->Points.reserve(std::size_t(qMin(n, CArea::MaxPoints)));
        for (int i = 1; i <= n; ++i) {
            GeoPoint point;
            point.Lat = ReadDegreesSingle(file);
            point.Lon = ReadDegreesSingle(file);
            if (i > CArea::MaxPoints) throw ERangeError();
            area->Points.push_back(point);
        }
        area->Selected = false;
        Areas.push_back(std::move(area));
    }
}

void CAreor::ResetMarks() {
    for (auto& area : Areas) {
        area->Selected = false;
        area->Answered = false;
    }
}

void CAreor::Select(const QString& code) {
    for (auto& area : Areas)
        if (area->PointCount() > 0 && area->Matches(code)) area->Selected = true;
}

void CAreor::RemoveUnselectedInsets() {
    std::erase_if(Areas, [](const auto& area) { return area->IsInset() && !area->Selected; });
}

void CAreor::MarkAnswered(const QString& code, qint32 attempts) {
    for (auto& area : Areas) {
        if (area->Matches(code)) {
            area->Answered = true;
            area->Attempts = attempts;
        }
    }
}

CArea* CAreor::FindByCode(const QString& code) const {
    CArea* found = nullptr;
    for (const auto& area : Areas)
        if (area->Code == code) found = area.get();
    return found;
}

CArea* CAreor::AreaAt(const GeoPoint& p) const {
    CArea* best = nullptr;
    for (const auto& area : Areas) {
        if (!area->Selected) continue;
        if (!PointInPolygon(p, area->Points.data(), area->PointCount())) continue;
        if (!best || best->North > area->North) best = area.get();
    }
    return best;
}

float MaxSingle(float a, float b) {
    return b > a ? b : a;
}
float MinSingle(float a, float b) {
    return b < a ? b : a;
}

bool PointInPolygon(const GeoPoint& p, const GeoPoint* vertices, int n) {
    if (n <= 0) return false;
    bool inside = false;
    int j = n - 1;
    for (int i = 0; i < n; ++i) {
        const GeoPoint& a = vertices[j];
        const GeoPoint& b = vertices[i];
        if (Between(a.Lat, b.Lat, p.Lat)) {
            const double lon = double(b.Lon) + (double(p.Lat) - b.Lat) * (double(a.Lon) - b.Lon) /
                                                   (double(a.Lat) - b.Lat);
            if (lon > p.Lon) inside = !inside;
        }
        j = i;
    }
    return inside;
}
