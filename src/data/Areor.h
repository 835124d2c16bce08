// SPDX-License-Identifier: MIT
// CArea and CAreor: named outline polygons from the area files, with the
// hit test, and the small floating-point helpers of the geometry.
#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "data/RangeArray.h"

struct GeoPoint {
    float Lat = 0;
    float Lon = 0;
};

class CArea {
  public:
    static constexpr int MaxPoints = 500;

    // True when the code is the primary or one of the alternative codes.
    bool Matches(const QString& code) const;

    QString Code;
    RangeArray<QString, 1, 6> Names;  // by language number
    QString AltCode1;
    QString AltCode2;
    QString FlagFile;  // relative to the flags folder; empty: no flag
    double North = 0;
    double South = 0;
    double East = 0;
    double West = 0;
    GeoPoint Seed1;
    GeoPoint Seed2;
    // Bit 0 marks an inset: a far-off part of a region drawn again beside the
    // map's main land (Alaska and Hawaii beside the lower 48). Other bits are
    // kept and mean nothing.
    qint32 Reserved = 0;
    static constexpr qint32 InsetBit = 1;
    bool IsInset() const { return (Reserved & InsetBit) != 0; }
    std::vector<GeoPoint> Points;  // closed implicitly
    qint32 PointCount() const { return qint32(Points.size()); }
    bool Selected = false;
    bool Answered = false;
    qint32 Attempts = 0;  // attempt at which the area was answered, 1 = first
};

class CAreor {
  public:
    static constexpr int MaxAreas = 500;

    CAreor() = default;
    CAreor(const CAreor&) = delete;
    CAreor& operator=(const CAreor&) = delete;

    // Reads an area file; raises the reader's errors, or the range error
    // for a 501st record or point.
    void Load(const QString& fileName);
    void ResetMarks();
    void Select(const QString& code);
    // Drops the insets that no item selected: an exercise that doesn't ask
    // their area shows the map without them.
    void RemoveUnselectedInsets();
    void MarkAnswered(const QString& code, qint32 attempts);
    CArea* FindByCode(const QString& code) const;  // last with that primary code
    CArea* AreaAt(const GeoPoint& p) const;        // selected area under p, inner one wins

    // Areas in file order, 0-based; Count() of them.
    CArea& Area(int i) const { return *Areas[std::size_t(i)]; }
    qint32 Count() const { return qint32(Areas.size()); }
    std::vector<std::unique_ptr<CArea>> Areas;
};

// Maps v from lo..hi onto outLo..outHi; a tiny guard keeps 0..0 finite.
// Inline: the projection calls it for every point drawn.
inline float Interpolate(float v, float hi, float lo, float outHi, float outLo) {
    const float guardedHi = float(double(hi) + 0.00000001);
    const double t = (double(v) - lo) / (double(guardedHi) - lo);
    return float(outLo + (double(outHi) - outLo) * t);
}
float MaxSingle(float a, float b);
float MinSingle(float a, float b);
// c in the half-open interval from the smaller of a, b to the larger.
// Inline: the polygon tests call it for every edge.
inline bool Between(double a, double b, double c) {
    return (b <= c && c < a) || (a <= c && c < b);
}
// Even-odd test with an eastward ray over the first n vertices.
bool PointInPolygon(const GeoPoint& p, const GeoPoint* vertices, int n);
