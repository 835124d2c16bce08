// The software raster surface: pixel rules for pens, shapes, fills and text.
#include "RasterSurface.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

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

// Bresenham's minor coordinate at step i of n major steps over `minor`:
// i * minor / n rounded to nearest, halves away from the start.
int MinorAt(std::int64_t i, std::int64_t minor, std::int64_t n) {
    return int((2 * i * minor + n) / (2 * n));
}

double SegmentDistanceSquared(double px, double py, QPoint a, QPoint b) {
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double len2 = dx * dx + dy * dy;
    double t = 0;
    if (len2 > 0) t = std::clamp(((px - a.x()) * dx + (py - a.y()) * dy) / len2, 0.0, 1.0);
    const double ex = a.x() + t * dx - px;
    const double ey = a.y() + t * dy - py;
    return ex * ex + ey * ey;
}

constexpr int ScreenDpi = 96;  // the pixel size fonts are measured at

}  // namespace

TRasterSurface::TRasterSurface(QImage& image) : image_(&image) {
    if (!image.isNull() && image.format() != QImage::Format_RGB32)
        image.convertTo(QImage::Format_RGB32);
    SetFont(QStringLiteral("Arial"), 8);
}

void TRasterSurface::SetFont(const QString& family, int pointSize) {
    font_ = QFont(family);
    // Points at a fixed 96 dpi, so text measures the same on every display.
    font_.setPixelSize(std::max(1, int(std::lround(pointSize * ScreenDpi / 72.0))));
    font_.setStyleStrategy(QFont::NoAntialias);
}

TColor TRasterSurface::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= Width() || y >= Height()) return InvalidColor;
    return FromQRgb(reinterpret_cast<const QRgb*>(image_->constScanLine(y))[x]);
}

void TRasterSurface::SetPixel(int x, int y, TColor colour) {
    Plot(x, y, colour, TPenMode::Copy);
}

void TRasterSurface::Plot(int x, int y, TColor colour, TPenMode mode) {
    if (x < 0 || y < 0 || x >= Width() || y >= Height()) return;
    QRgb& p = reinterpret_cast<QRgb*>(image_->scanLine(y))[x];
    p = ToQRgb(Combine(FromQRgb(p), Rgb(colour), mode));
}

void TRasterSurface::FillSpan(int y, int x1, int x2, TColor colour, TPenMode mode) {
    if (y < 0 || y >= Height()) return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, Width() - 1);
    if (x1 > x2) return;
    QRgb* row = reinterpret_cast<QRgb*>(image_->scanLine(y));
    const TColor c = Rgb(colour);
    if (mode == TPenMode::Copy) {
        std::fill(row + x1, row + x2 + 1, ToQRgb(c));
        return;
    }
    for (int x = x1; x <= x2; ++x) row[x] = ToQRgb(Combine(FromQRgb(row[x]), c, mode));
}

void TRasterSurface::LineTo(int x, int y) {
    const QPoint from = pen_;
    const QPoint to(x, y);
    pen_ = to;
    if (from == to || image_->isNull()) return;
    if (EffectiveWidth() == 1)
        ThinLine(from, to);
    else
        ThickLine(from, to);
}

void TRasterSurface::ThinLine(QPoint from, QPoint to) {
    const std::int64_t dx = std::int64_t(to.x()) - from.x();
    const std::int64_t dy = std::int64_t(to.y()) - from.y();
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t n = xMajor ? std::llabs(dx) : std::llabs(dy);
    const std::int64_t minor = xMajor ? std::llabs(dy) : std::llabs(dx);
    const int sMajor = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int sMinor = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const std::int64_t start = xMajor ? from.x() : from.y();
    const std::int64_t limit = xMajor ? Width() : Height();
    // Only the steps whose major coordinate lies on the surface: 0 <= start + s*i < limit.
    std::int64_t first = 0, last = n - 1;
    if (sMajor > 0) {
        first = std::max<std::int64_t>(first, -start);
        last = std::min<std::int64_t>(last, limit - 1 - start);
    } else {
        first = std::max<std::int64_t>(first, start - (limit - 1));
        last = std::min<std::int64_t>(last, start);
    }
    for (std::int64_t i = first; i <= last; ++i) {
        const std::int64_t major = start + sMajor * i;
        const std::int64_t other =
            std::int64_t(xMajor ? from.y() : from.x()) + sMinor * MinorAt(i, minor, n);
        if (xMajor)
            Plot(int(major), int(std::clamp<std::int64_t>(other, -1, Height())), penColor_,
                 penMode_);
        else
            Plot(int(std::clamp<std::int64_t>(other, -1, Width())), int(major), penColor_,
                 penMode_);
    }
}

void TRasterSurface::ThickLine(QPoint from, QPoint to) {
    // Every pixel whose centre lies within w/2 of the segment; even widths
    // sample at the pixel's lower-right corner so the line keeps its width.
    const int w = EffectiveWidth();
    const double r = w / 2.0;
    const double r2 = r * r;
    const double c = (w % 2 == 0) ? 0.5 : 0.0;
    const int reach = w / 2 + 2;
    const int yTop = std::max(std::min(from.y(), to.y()) - reach, 0);
    const int yBottom = std::min(std::max(from.y(), to.y()) + reach, Height() - 1);
    const int xLeft = std::max(std::min(from.x(), to.x()) - reach, 0);
    const int xRight = std::min(std::max(from.x(), to.x()) + reach, Width() - 1);
    const double dy = double(to.y()) - from.y();
    const double dx = double(to.x()) - from.x();
    for (int y = yTop; y <= yBottom; ++y) {
        int x1 = xLeft, x2 = xRight;
        if (dy != 0) {
            // Only the stretch of the segment within reach of this row.
            const double t1 = std::clamp((y + c - r - 1 - from.y()) / dy, 0.0, 1.0);
            const double t2 = std::clamp((y + c + r + 1 - from.y()) / dy, 0.0, 1.0);
            const double xa = from.x() + t1 * dx, xb = from.x() + t2 * dx;
            x1 = std::max(x1, int(std::floor(std::min(xa, xb) - r - 2)));
            x2 = std::min(x2, int(std::ceil(std::max(xa, xb) + r + 2)));
        }
        for (int x = x1; x <= x2; ++x)
            if (SegmentDistanceSquared(x + c, y + c, from, to) <= r2)
                Plot(x, y, penColor_, penMode_);
    }
}

void TRasterSurface::Rectangle(int x1, int y1, int x2, int y2) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (x1 == x2 || y1 == y2) return;
    if (hasFill_)
        for (int y = y1 + 1; y < y2 - 1; ++y) FillSpan(y, x1 + 1, x2 - 2, fillColor_, penMode_);
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
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (x1 == x2 || y1 == y2) return;
    const double cx = (x1 + x2) / 2.0, cy = (y1 + y2) / 2.0;
    const double rx = (x2 - x1) / 2.0, ry = (y2 - y1) / 2.0;
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
    const bool border = style == TFillStyle::Border;
    // Painted pixels stop qualifying by themselves except in border mode with
    // a fill colour other than the border; there a visited map prevents revisits.
    const bool needVisited = border && paint != target;
    if (!border && paint == target) return;  // the region has the colour already
    std::vector<bool> visited;
    if (needVisited) visited.assign(std::size_t(w) * std::size_t(h), false);

    auto row = [&](int yy) { return reinterpret_cast<QRgb*>(image_->scanLine(yy)); };
    auto qualifies = [&](const QRgb* r, int xx, int yy) {
        const QRgb p = r[xx] | 0xFF000000u;
        if (border) {
            if (p == target) return false;
            return !needVisited || !visited[std::size_t(yy) * std::size_t(w) + std::size_t(xx)];
        }
        return p == target;
    };

    if (!qualifies(row(y), x, y)) return;
    std::vector<QPoint> stack;
    stack.emplace_back(x, y);
    while (!stack.empty()) {
        const QPoint seed = stack.back();
        stack.pop_back();
        const int sy = seed.y();
        QRgb* r = row(sy);
        if (!qualifies(r, seed.x(), sy)) continue;
        int left = seed.x(), right = seed.x();
        while (left > 0 && qualifies(r, left - 1, sy)) --left;
        while (right < w - 1 && qualifies(r, right + 1, sy)) ++right;
        std::fill(r + left, r + right + 1, paint);
        if (needVisited)
            std::fill(
                visited.begin() + std::ptrdiff_t(std::size_t(sy) * std::size_t(w) + left),
                visited.begin() + std::ptrdiff_t(std::size_t(sy) * std::size_t(w) + right) + 1,
                true);
        for (int ny : {sy - 1, sy + 1}) {
            if (ny < 0 || ny >= h) continue;
            const QRgb* nr = row(ny);
            bool inRun = false;
            for (int xx = left; xx <= right; ++xx) {
                const bool q = qualifies(nr, xx, ny);
                if (q && !inRun) stack.emplace_back(xx, ny);
                inRun = q;
            }
        }
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
