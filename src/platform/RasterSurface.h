// SPDX-License-Identifier: MIT
// TRasterSurface: a pixel-exact software drawing surface over a QImage
// (pen, fill, lines, rectangles, ellipses, pixels, flood fill, text).
#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>

#include "platform/Colors.h"

// How a pen pixel combines with the pixel beneath it.
enum class TPenMode {
    Copy,    // pixel := pen
    Mask,    // pixel := pixel AND pen
    NotXor,  // pixel := NOT (pixel XOR pen)
};

// Flood fill modes; the values are those the shared FloodFillAt takes.
enum class TFillStyle {
    Surface = 0,  // repaint the connected region of the given colour
    Border = 1,   // fill outward up to pixels of the given colour
};

// Pixel() outside the surface.
constexpr TColor InvalidColor = 0xFFFFFFFFu;

// Where a run of pixels of a row that are (same) or are not (!same) `colour`
// ends: the first pixel from x rightwards, or from x leftwards, that breaks
// it (w or -1 when none does).
int RunEndRight(const QRgb* row, int x, int w, QRgb colour, bool same);
int RunEndLeft(const QRgb* row, int x, QRgb colour, bool same);

// Draws on a QImage of Format_RGB32 that the caller keeps alive (the
// constructor converts any other format in place). Every operation is
// deterministic; coordinates may lie anywhere, what falls outside is clipped.
class TRasterSurface {
  public:
    explicit TRasterSurface(QImage& image);

    int Width() const { return image_->width(); }
    int Height() const { return image_->height(); }
    QImage& Image() const { return *image_; }

    // Pen. Width 0 draws like width 1.
    void SetPenColor(TColor colour) { penColor_ = colour; }
    TColor PenColor() const { return penColor_; }
    void SetPenWidth(int width) { penWidth_ = width; }
    int PenWidth() const { return penWidth_; }
    void SetPenMode(TPenMode mode) { penMode_ = mode; }
    TPenMode PenMode() const { return penMode_; }

    // Fill: a solid colour, or none. Setting a colour makes it solid.
    void SetFillColor(TColor colour) {
        fillColor_ = colour;
        hasFill_ = true;
    }
    void SetFillSolid() { hasFill_ = true; }
    void SetNoFill() { hasFill_ = false; }
    TColor FillColor() const { return fillColor_; }
    bool HasFill() const { return hasFill_; }

    // Text font and its colour; the font starts as "Arial" 8 points. A scale
    // above 1 multiplies the font's pixels, for pictures of device pixels.
    void SetFont(const QString& family, int pointSize, int scale = 1);
    const QFont& Font() const { return font_; }
    void SetFontColor(TColor colour) { fontColor_ = colour; }

    void MoveTo(int x, int y) { pen_ = QPoint(x, y); }
    QPoint PenPos() const { return pen_; }
    // Paints the pen position's pixel but not (x, y); the pen ends at (x, y).
    // A pen of 2 paints a two-pixel square at every step of that line, both
    // ends included (but round caps under NotXor); wider pens paint a
    // round-capped thick line.
    void LineTo(int x, int y);
    // LineTo, then both end pixels set to `colour`: closes the gaps that
    // lines leave at their ends, so that fills cannot leak through outlines.
    void LineToMarkingEnds(int x, int y, TColor colour);

    // Outlined with the pen, filled when there is a fill; x2 and y2 are
    // exclusive. The raster mode applies to outline and fill alike.
    void Rectangle(int x1, int y1, int x2, int y2);
    void Ellipse(int x1, int y1, int x2, int y2);
    // Plain copy of the fill colour (even without a fill), x2, y2 exclusive.
    void FillRect(int x1, int y1, int x2, int y2);

    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor colour);

    // 4-connected, iterative, with the fill colour. Border: everything
    // reachable without crossing `colour`. Surface: the region of `colour`
    // around (x, y). A start pixel that does not qualify fills nothing.
    void FloodFill(int x, int y, TColor colour, TFillStyle style);

    // Text with its top-left corner at (x, y); on the fill colour when
    // there is a fill, otherwise over the picture.
    void TextOut(int x, int y, const QString& text);
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;

  private:
    // Caches the bitmap's address for the pixel loops; every drawing
    // operation calls it first, as the image may have been replaced.
    void Prepare();
    void Plot(int x, int y, TColor colour, TPenMode mode) {
        if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
        QRgb& p = reinterpret_cast<QRgb*>(bits_ + y * stride_)[x];
        p = mode == TPenMode::Copy ? ToQRgb(colour) : Blend(p, colour, mode);
    }
    static QRgb Blend(QRgb pixel, TColor pen, TPenMode mode);
    void Line(int x, int y);  // LineTo on a prepared surface
    void ThinLine(QPoint from, QPoint to);
    void SquareLine(QPoint from, QPoint to);  // width 2: a square moved along
    void ThickLine(QPoint from, QPoint to);
    void FillSpan(int y, int x1, int x2, TColor colour, TPenMode mode);
    int EffectiveWidth() const { return penWidth_ < 1 ? 1 : penWidth_; }

    QImage* image_;
    TColor penColor_ = Colors::Black;
    int penWidth_ = 1;
    TPenMode penMode_ = TPenMode::Copy;
    TColor fillColor_ = Colors::White;
    bool hasFill_ = true;
    QFont font_;
    TColor fontColor_ = Colors::Black;
    QPoint pen_;
    uchar* bits_ = nullptr;
    qsizetype stride_ = 0;
    int w_ = 0, h_ = 0;
};
