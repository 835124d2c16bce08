// SPDX-License-Identifier: MIT
// The software raster surface: pixel rules for pens, shapes, fills and text.
#include "RasterSurface.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// The surface works on the RGB part only; a palette-relative high byte is dropped.
constexpr TColor Rgb(TColor c) {
    return c & 0x00FFFFFFu;
}

TColor Combine(TColor pixel, TColor pen, TPenMode mode) {
    switch (mode) {
        case TPenMode::Mask:
            return pixel & pen;
        case TPenMode::NotXor:
            return Rgb(~(pixel ^ pen));
        case TPenMode::Copy:
            break;
    }
    return pen;
}

double SegmentDistanceSquared(double px, double py, QPoint a, QPoint b) {
    const double dx = double(b.x()) - a.x();
    const double dy = double(b.y()) - a.y();
    const double len2 = dx * dx + dy * dy;
    double t = 0;
    if (len2 > 0) t = std::clamp(((px - a.x()) * dx + (py - a.y()) * dy) / len2, 0.0, 1.0);
    const double ex = a.x() + t * dx - px;
    const double ey = a.y() + t * dy - py;
    return ex * ex + ey * ey;
}

}  // namespace

// Four pixels at a time where the processor can: the fills spend most of
// their time here.
int RunEndRight(const QRgb* row, int x, int w, QRgb colour, bool same) {
#ifdef __SSE2__
    const __m128i wanted = _mm_set1_epi32(int(colour));
    for (; x + 4 <= w; x += 4) {
        const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x));
        const int equal = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(four, wanted)));
        const int breaks = (same ? ~equal : equal) & 0xF;
        if (breaks) return x + __builtin_ctz(unsigned(breaks));
    }
#endif
    while (x < w && (row[x] == colour) == same) ++x;
    return x;
}

int RunEndLeft(const QRgb* row, int x, QRgb colour, bool same) {
#ifdef __SSE2__
    const __m128i wanted = _mm_set1_epi32(int(colour));
    for (; x >= 3; x -= 4) {
        const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x - 3));
        const int equal = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(four, wanted)));
        const int breaks = (same ? ~equal : equal) & 0xF;
        if (breaks) return x - 3 + (31 - __builtin_clz(unsigned(breaks)));
    }
#endif
    while (x >= 0 && (row[x] == colour) == same) --x;
    return x;
}

namespace {

// The pixels a fill paints: those that are (same) or are not (!same) one colour.
struct TColourRun {
    QRgb colour;
    bool same;
    bool Inside(const QRgb* row, int x, int) const { return (row[x] == colour) == same; }
    int Right(const QRgb* row, int x, int, int w) const {
        return RunEndRight(row, x, w, colour, same);
    }
    int Left(const QRgb* row, int x, int) const { return RunEndLeft(row, x, colour, same); }
    // The first pixel from x up to limit (exclusive) that is inside, or limit.
    int NextInside(const QRgb* row, int x, int, int limit) const {
        return RunEndRight(row, x, limit, colour, !same);
    }
};

// Span flood fill after Heckbert ("A Seed Fill Algorithm"): each stack entry
// is a run of a row whose neighbour row (y - dy) was filled; the fill explores
// row y below that run and pushes only the leaks beyond it, so every pixel is
// read about twice. The runs say which pixels still need paint: Inside(row,
// x, y), where such a run ends, Right(row, x, y, w) and Left(row, x, y), and
// where the next one starts, NextInside(row, x, y, limit); Paint(row, x1,
// x2, y) paints the run x1..x2 so that it stops being inside.
template <typename RowOf, typename Runs, typename Paint>
void ScanlineFill(int x, int y, int w, int h, RowOf rowOf, const Runs& runs, Paint paint) {
    struct Segment {
        int y, x1, x2, dy;
    };
    if (!runs.Inside(rowOf(y), x, y)) return;
    std::vector<Segment> stack;
    auto push = [&](int yy, int x1, int x2, int dy) {
        if (yy + dy >= 0 && yy + dy < h) stack.push_back({yy, x1, x2, dy});
    };
    push(y, x, x, 1);
    push(y + 1, x, x, -1);
    while (!stack.empty()) {
        const Segment s = stack.back();
        stack.pop_back();
        const int dy = s.dy, yy = s.y + dy, x1 = s.x1, x2 = s.x2;
        auto* r = rowOf(yy);
        int xx = x1;
        int left = 0;
        // Each run is found first and painted after: the tests then run
        // alone, and a plain run is painted as one block.
        xx = runs.Left(r, xx, yy);
        if (xx < x1) paint(r, xx + 1, x1, yy);
        const bool skipFirst = xx >= x1;
        if (!skipFirst) {
            left = xx + 1;
            if (left < x1) push(yy, left, x1 - 1, -dy);  // leak on the left
            xx = x1 + 1;
        }
        do {
            if (!skipFirst || xx != x1) {
                const int from = xx;
                xx = runs.Right(r, xx, yy, w);
                if (xx > from) paint(r, from, xx - 1, yy);
                push(yy, left, xx - 1, dy);
                if (xx > x2 + 1) push(yy, x2 + 1, xx - 1, -dy);  // leak on the right
            }
            xx = runs.NextInside(r, xx + 1, yy, x2 + 1);
            left = xx;
        } while (xx <= x2);
    }
}

constexpr int ScreenDpi = 96;  // the pixel size fonts are measured at

}  // namespace

TRasterSurface::TRasterSurface(QImage& image) : image_(&image) {
    if (!image.isNull() && image.format() != QImage::Format_RGB32)
        image.convertTo(QImage::Format_RGB32);
    SetFont(QStringLiteral("Arial"), 8);
}

void TRasterSurface::SetFont(const QString& family, int pointSize, int scale) {
    font_ = QFont(family);
    // Points at a fixed 96 dpi, so text measures the same on every display.
    font_.setPixelSize(std::max(1, int(std::lround(pointSize * ScreenDpi / 72.0))) *
                       std::max(1, scale));
    font_.setStyleStrategy(QFont::NoAntialias);
}

TColor TRasterSurface::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= Width() || y >= Height()) return InvalidColor;
    return FromQRgb(reinterpret_cast<const QRgb*>(image_->constScanLine(y))[x]);
}

void TRasterSurface::SetPixel(int x, int y, TColor colour) {
    Prepare();
    Plot(x, y, colour, TPenMode::Copy);
}

void TRasterSurface::Prepare() {
    bits_ = image_->isNull() ? nullptr : image_->bits();
    stride_ = image_->bytesPerLine();
    w_ = image_->width();
    h_ = image_->height();
}

QRgb TRasterSurface::Blend(QRgb pixel, TColor pen, TPenMode mode) {
    return ToQRgb(Combine(FromQRgb(pixel), Rgb(pen), mode));
}

void TRasterSurface::FillSpan(int y, int x1, int x2, TColor colour, TPenMode mode) {
    if (y < 0 || y >= h_) return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, w_ - 1);
    if (x1 > x2) return;
    QRgb* row = reinterpret_cast<QRgb*>(bits_ + y * stride_);
    const TColor c = Rgb(colour);
    if (mode == TPenMode::Copy) {
        std::fill(row + x1, row + x2 + 1, ToQRgb(c));
        return;
    }
    for (int x = x1; x <= x2; ++x) row[x] = ToQRgb(Combine(FromQRgb(row[x]), c, mode));
}

void TRasterSurface::LineTo(int x, int y) {
    Prepare();
    Line(x, y);
}

void TRasterSurface::LineToMarkingEnds(int x, int y, TColor colour) {
    Prepare();
    const QPoint from = pen_;
    Line(x, y);
    Plot(x, y, colour, TPenMode::Copy);
    Plot(from.x(), from.y(), colour, TPenMode::Copy);
}

void TRasterSurface::Line(int x, int y) {
    const QPoint from = pen_;
    const QPoint to(x, y);
    pen_ = to;
    if (from == to || !bits_) return;
    if (EffectiveWidth() == 1)
        ThinLine(from, to);
    else if (EffectiveWidth() == 2 && penMode_ != TPenMode::NotXor)
        SquareLine(from, to);  // overlapping squares would undo a NotXor
    else
        ThickLine(from, to);
}

namespace {

// The steps of the line from `from` towards `to` that lie on a w x h surface
// widened by `reach` pixels to the right and below, each given to plot(x, y):
// the start included, the end only with a reach (a square pen of two paints
// up and left of its step, so a step just beyond the surface still shows).
template <typename Plot>
void WalkLine(QPoint from, QPoint to, int w, int h, int reach, Plot plot) {
    const std::int64_t dx = std::int64_t(to.x()) - from.x();
    const std::int64_t dy = std::int64_t(to.y()) - from.y();
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t n = xMajor ? std::llabs(dx) : std::llabs(dy);
    const std::int64_t minor = xMajor ? std::llabs(dy) : std::llabs(dx);
    const int sMajor = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int sMinor = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const std::int64_t start = xMajor ? from.x() : from.y();
    const std::int64_t limit = std::int64_t(xMajor ? w : h) + reach;
    // Only the steps whose major coordinate lies on the surface: 0 <= start + s*i < limit.
    std::int64_t first = 0, last = reach > 0 ? n : n - 1;
    if (sMajor > 0) {
        first = std::max<std::int64_t>(first, -start);
        last = std::min<std::int64_t>(last, limit - 1 - start);
    } else {
        first = std::max<std::int64_t>(first, start - (limit - 1));
        last = std::min<std::int64_t>(last, start);
    }
    if (first > last || n == 0) return;
    // Bresenham: at step i the minor coordinate moves by i * minor / n rounded
    // to nearest, halves away from the start, that is (2 i minor + n) div 2n;
    // stepped incrementally with one carry at most per step since minor <= n.
    const std::int64_t twoN = 2 * n;
    // 128 bits: with ends near the limits of int the product needs 65. A line
    // that starts on the surface, as nearly all do, needs no division.
    std::int64_t q = 0, rem = n;
    if (first != 0) {
        const __int128 numerator = __int128(2) * first * minor + n;
        q = std::int64_t(numerator / twoN), rem = std::int64_t(numerator % twoN);
    }
    const std::int64_t base = xMajor ? from.y() : from.x();
    const std::int64_t otherLimit = std::int64_t(xMajor ? h : w) + reach;
    for (std::int64_t i = first; i <= last; ++i) {
        const std::int64_t major = start + sMajor * i;
        const std::int64_t other = base + sMinor * q;
        if (other >= 0 && other < otherLimit) {
            if (xMajor)
                plot(int(major), int(other));
            else
                plot(int(other), int(major));
        }
        rem += 2 * minor;
        if (rem >= twoN) {
            rem -= twoN;
            ++q;
        }
    }
}

}  // namespace

void TRasterSurface::ThinLine(QPoint from, QPoint to) {
    WalkLine(from, to, w_, h_, 0, [this](int x, int y) { Plot(x, y, penColor_, penMode_); });
}

void TRasterSurface::SquareLine(QPoint from, QPoint to) {
    const QRgb pen = ToQRgb(Rgb(penColor_));
    WalkLine(from, to, w_, h_, 1, [&](int x, int y) {
        if (penMode_ == TPenMode::Copy && x >= 1 && y >= 1 && x < w_ && y < h_) {
            QRgb* below = reinterpret_cast<QRgb*>(bits_ + y * stride_) + x - 1;
            QRgb* above = reinterpret_cast<QRgb*>(bits_ + (y - 1) * stride_) + x - 1;
            below[0] = below[1] = above[0] = above[1] = pen;
            return;
        }
        for (int yy = std::max(y - 1, 0); yy <= std::min(y, h_ - 1); ++yy) {
            QRgb* row = reinterpret_cast<QRgb*>(bits_ + yy * stride_);
            for (int xx = std::max(x - 1, 0); xx <= std::min(x, w_ - 1); ++xx)
                row[xx] = penMode_ == TPenMode::Copy ? pen : Blend(row[xx], penColor_, penMode_);
        }
    });
}

void TRasterSurface::ThickLine(QPoint from, QPoint to) {
    // Every pixel whose centre lies within w/2 of the segment; even widths
    // sample at the pixel's lower-right corner so the line keeps its width.
    const int w = EffectiveWidth();
    const double r = w / 2.0;
    const double r2 = r * r;
    const double c = (w % 2 == 0) ? 0.5 : 0.0;
    const std::int64_t reach = w / 2 + 2;
    // Bounds in 64 bits and clipped to the surface: the ends may lie anywhere.
    auto clip = [](double v, int lo, int hi) { return int(std::clamp(v, double(lo), double(hi))); };
    const int yTop = clip(double(std::min(from.y(), to.y()) - reach), 0, h_);
    const int yBottom = clip(double(std::max(from.y(), to.y()) + reach), -1, h_ - 1);
    const int xLeft = clip(double(std::min(from.x(), to.x()) - reach), 0, w_);
    const int xRight = clip(double(std::max(from.x(), to.x()) + reach), -1, w_ - 1);
    const double dy = double(to.y()) - from.y();
    const double dx = double(to.x()) - from.x();
    auto plotIfNear = [&](int x, int y) {
        if (SegmentDistanceSquared(x + c, y + c, from, to) <= r2) Plot(x, y, penColor_, penMode_);
    };
    for (int y = yTop; y <= yBottom; ++y) {
        if (dy == 0) {
            // Horizontal: the run along the segment is solid, only the caps need testing.
            const double v = y + c - from.y();
            if (v * v > r2) continue;
            const int inner1 = clip(std::ceil(std::min(from.x(), to.x()) - c), xLeft, xRight + 1);
            const int inner2 = clip(std::floor(std::max(from.x(), to.x()) - c), xLeft - 1, xRight);
            if (inner1 <= inner2) FillSpan(y, inner1, inner2, penColor_, penMode_);
            for (int x = xLeft; x < inner1; ++x) plotIfNear(x, y);
            for (int x = std::max(inner2 + 1, xLeft); x <= xRight; ++x) plotIfNear(x, y);
            continue;
        }
        // Only the stretch of the segment within reach of this row.
        const double t1 = std::clamp((y + c - r - 1 - from.y()) / dy, 0.0, 1.0);
        const double t2 = std::clamp((y + c + r + 1 - from.y()) / dy, 0.0, 1.0);
        const double xa = from.x() + t1 * dx, xb = from.x() + t2 * dx;
        const int x1 = clip(std::floor(std::min(xa, xb) - r - 2), xLeft, xRight + 1);
        const int x2 = clip(std::ceil(std::max(xa, xb) + r + 2), xLeft - 1, xRight);
        for (int x = x1; x <= x2; ++x) plotIfNear(x, y);
    }
}

void TRasterSurface::Rectangle(int x1, int y1, int x2, int y2) {
    Prepare();
    // Edges beyond this are off the surface anyway; the margin keeps the
    // arithmetic below inside int.
    constexpr int far = 1 << 30;
    x1 = std::clamp(x1, -far, far), x2 = std::clamp(x2, -far, far);
    y1 = std::clamp(y1, -far, far), y2 = std::clamp(y2, -far, far);
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (x1 == x2 || y1 == y2) return;
    if (hasFill_)
        for (int y = std::max(y1 + 1, 0); y < std::min(y2 - 1, h_); ++y)
            FillSpan(y, x1 + 1, x2 - 2, fillColor_, penMode_);
    const QPoint saved = pen_;
    const int r = x2 - 1, b = y2 - 1;
    if (x1 == r || y1 == b) {
        // One pixel thick: a single line that paints both of its ends.
        MoveTo(x1, y1);
        LineTo(r + (x1 == r ? 0 : 1), b + (y1 == b ? 0 : 1));
    } else {
        MoveTo(x1, y1);
        LineTo(r, y1);
        LineTo(r, b);
        LineTo(x1, b);
        LineTo(x1, y1);
    }
    pen_ = saved;
}

void TRasterSurface::Ellipse(int x1, int y1, int x2, int y2) {
    Prepare();
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (x1 == x2 || y1 == y2) return;
    const double cx = (double(x1) + x2) / 2, cy = (double(y1) + y2) / 2;
    const double rx = (double(x2) - x1) / 2, ry = (double(y2) - y1) / 2;
    auto inside = [&](int x, int y) {
        if (x < x1 || x >= x2 || y < y1 || y >= y2) return false;
        const double u = (x + 0.5 - cx) / rx, v = (y + 0.5 - cy) / ry;
        return u * u + v * v <= 1.0;
    };
    const int w = EffectiveWidth();
    for (int y = std::max(y1, 0); y < std::min(y2, Height()); ++y) {
        for (int x = std::max(x1, 0); x < std::min(x2, Width()); ++x) {
            if (!inside(x, y)) continue;
            bool edge = false;
            for (int k = 1; k <= w && !edge; ++k)
                edge = !inside(x - k, y) || !inside(x + k, y) || !inside(x, y - k) ||
                       !inside(x, y + k);
            if (edge)
                Plot(x, y, penColor_, penMode_);
            else if (hasFill_)
                Plot(x, y, fillColor_, penMode_);
        }
    }
}

void TRasterSurface::FillRect(int x1, int y1, int x2, int y2) {
    Prepare();
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    for (int y = std::max(y1, 0); y < std::min(y2, Height()); ++y)
        FillSpan(y, x1, x2 - 1, fillColor_, TPenMode::Copy);
}

void TRasterSurface::FloodFill(int x, int y, TColor colour, TFillStyle style) {
    const int w = Width(), h = Height();
    if (x < 0 || y < 0 || x >= w || y >= h) return;
    const QRgb target = ToQRgb(Rgb(colour));
    const QRgb paint = ToQRgb(Rgb(fillColor_));
    uchar* bits = image_->bits();
    const qsizetype stride = image_->bytesPerLine();
    auto row = [&](int yy) { return reinterpret_cast<QRgb*>(bits + yy * stride); };

    if (style == TFillStyle::Surface) {
        if (paint == target) return;  // the region has the colour already
        ScanlineFill(
            x, y, w, h, [&](int yy) { return row(yy); }, TColourRun{target, true},
            [paint](QRgb* r, int x1, int x2, int) { std::fill(r + x1, r + x2 + 1, paint); });
    } else if (paint == target) {
        // Painted pixels turn into border pixels and so stop qualifying.
        ScanlineFill(
            x, y, w, h, [&](int yy) { return row(yy); }, TColourRun{target, false},
            [paint](QRgb* r, int x1, int x2, int) { std::fill(r + x1, r + x2 + 1, paint); });
    } else {
        // Pixels may already have the fill colour; a visited map keeps the
        // fill from running in circles through them.
        std::vector<std::uint8_t> visited(std::size_t(w) * std::size_t(h), 0);
        auto at = [w](int xx, int yy) {
            return std::size_t(yy) * std::size_t(w) + std::size_t(xx);
        };
        struct TUnvisited {
            QRgb target;
            int w;
            const std::vector<std::uint8_t>* visited;
            bool Inside(const QRgb* r, int xx, int yy) const {
                return r[xx] != target &&
                       !(*visited)[std::size_t(yy) * std::size_t(w) + std::size_t(xx)];
            }
            int Right(const QRgb* r, int xx, int yy, int end) const {
                while (xx < end && Inside(r, xx, yy)) ++xx;
                return xx;
            }
            int Left(const QRgb* r, int xx, int yy) const {
                while (xx >= 0 && Inside(r, xx, yy)) --xx;
                return xx;
            }
            int NextInside(const QRgb* r, int xx, int yy, int limit) const {
                while (xx < limit && !Inside(r, xx, yy)) ++xx;
                return xx;
            }
        };
        ScanlineFill(
            x, y, w, h, [&](int yy) { return row(yy); }, TUnvisited{target, w, &visited},
            [&](QRgb* r, int x1, int x2, int yy) {
                std::fill(r + x1, r + x2 + 1, paint);
                std::fill_n(visited.begin() + std::ptrdiff_t(at(x1, yy)), x2 - x1 + 1, 1);
            });
    }
}

void TRasterSurface::TextOut(int x, int y, const QString& text) {
    if (image_->isNull()) return;
    QPainter painter(image_);
    painter.setFont(font_);
    const QFontMetrics metrics(font_);
    if (hasFill_)
        painter.fillRect(x, y, metrics.horizontalAdvance(text), metrics.height(),
                         ToQColor(fillColor_));
    painter.setPen(ToQColor(fontColor_));
    painter.drawText(x, y + metrics.ascent(), text);
}

int TRasterSurface::TextWidth(const QString& text) const {
    return QFontMetrics(font_).horizontalAdvance(text);
}

int TRasterSurface::TextHeight(const QString&) const {
    return QFontMetrics(font_).height();
}
