// SPDX-License-Identifier: MIT
// CKarta: the map of an exercise: its geography, the view with its
// projection between degrees and pixels, its colours, and the drawing that
// paints it into a picture: outlines, then each colour onto the pixels that
// its area's, lake's or the sea's outlines own.
#pragma once

#include <QPoint>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "data/AreaMarkers.h"
#include "data/Areor.h"
#include "data/MapProjection.h"
#include "data/Orter.h"
#include "data/PixelOwners.h"
#include "data/RangeArray.h"
#include "platform/Colors.h"
#include "platform/RasterSurface.h"

class TPicture;

class CKarta {
  public:
    static constexpr int MaxSeaSeeds = 100;

    CKarta() = default;
    ~CKarta();
    CKarta(const CKarta&) = delete;
    CKarta& operator=(const CKarta&) = delete;

    // --- Set-up -----------------------------------------------------------

    // The picture the map draws on (not owned); W and H are its size.
    TPicture* Image = nullptr;
    // The geography, owned by the map; absent until a screen attaches them.
    std::unique_ptr<CAreor> Areas;
    std::unique_ptr<CAreor> Waters;  // lakes; empty for maps 4 and 5
    std::unique_ptr<COrter> Places;

    RangeArray<GeoPoint, 1, MaxSeaSeeds> SeaSeeds;
    qint32 SeaSeedCount = 0;
    bool ShowGrid = false;

    // Reads a sea seed file (latitude, longitude pairs in 1/10000 degree).
    // Raises the reader's errors, or the range error for a 101st point.
    void LoadSeaSeeds(const QString& fileName);

    // --- View and projection -----------------------------------------------

    float CentreLongitude = 0;
    float TopLatitude = 0;
    float BottomLatitude = 0;
    qint32 WidthDivisor = 1;

    TColor LandColor = Colors::Gray;
    TColor AreaColor = Colors::Green;
    TColor SeaColor = Colors::Navy;
    TColor WaterColor = Colors::Navy;  // becomes the colour found in the picture

    // Width and height of the picture in pixels (0 without one).
    int W() const;
    int H() const;
    // The picture's pixels per pixel of its control (2 on a typical high-DPI
    // screen): line widths, marks and text grow with it, so that they keep
    // their size on the screen and stay sharp.
    double PixelRatio() const;
    // A length given in the control's pixels, in the picture's (at least 1).
    int Scaled(int length) const;

    // WidthDivisor from the view's middle latitude: 90 at the equator, 140 at a pole.
    void UpdateDivisor();
    // Sets the view to the selected areas, widening it until their longitude
    // range fits; never runs past the poles; a whole-world view without any.
    void FitToSelection();
    // Widens the view around its middle, as FitToSelection widens, until
    // every selected area has a part on the picture and every selected place
    // lies on it: a view made for one screen shape cuts items off another.
    void WidenToShowSelection();
    // Whether the view shows every selected item as WidenToShowSelection
    // wants it shown.
    bool ShowsSelection() const;
    // Whether enough of the area's box lies on the picture, clear of its
    // edges by margin pixels, to see and click it: all of it, or a part of
    // at least `enough` pixels each way.
    bool ShowsEnoughOf(const CArea& area, int margin, int enough) const;
    // After the picture changed its height from oldHeight: the same centre
    // and the same scale (pixels per degree), showing more or less around it.
    void KeepScaleAfterResize(int oldHeight);
    // Sets the view so that the point lies under the picture pixel with the
    // given span of latitude from top to bottom of the picture.
    void ShowAt(const GeoPoint& point, QPoint pixel, double latitudeSpan);

    qint32 LatToY(float lat) const;
    qint32 LonLatToX(float lon, float lat) const;
    float YToLat(int y) const;
    float PixelToLon(int y, int x) const;
    // True inside the picture without its outermost rows and columns.
    bool InsideImage(int x, int y) const;
    // Distance in whole pixels of the control (not the picture's device
    // pixels) between the projected point and place.
    qint32 PixelDistance(const GeoPoint& point, const COrt& place) const;

    // --- Drawing (in the order an exercise redraws the map) ----------------
    //
    // Outlines are drawn as lines. Every colour then goes to the pixels that
    // its owner holds (TPixelOwners: lakes over land, the innermost area,
    // the sea outside all outlines), never further: a lake paints all of its
    // pixels, the sea those still in the land colour, and an area those that
    // show its present colour (the one most of its pixels off its outline
    // have). Outline pixels keep their black, so an outline thinner than a
    // pixel decides by its own pixels; markers are drawn over everything.

    void Clear();
    void DrawAreaOutlines(int width);
    bool IsVisible(const CArea& area) const { return Projection().IsVisible(area); }
    void DrawWaters();  // ends with DrawFrame
    void DrawFrame();
    // The sea: every pixel outside all outlines that is still in the land
    // colour. Lets window messages run afterwards through letMessagesRun, if
    // given, and returns what it says (false: the map's owner went away).
    bool FillSeas(const std::function<bool()>& letMessagesRun = {});
    // Pixels the outline owns, clear of its lines: the middle of each run of
    // its pixels at least a few pixels long, on every step-th of its rows.
    std::vector<QPoint> InteriorPixels(const CArea& outline, int step) const;
    void FillArea(const CArea& area, TColor colour);
    void ColourAreasByCode(const QString& code, TColor colour);
    void ColourSelectedAreas();
    void DrawGrid(int step, TColor colour, TPenMode mode);  // ends with DrawFrame
    void DrawPlaces();
    void DrawPlace(const COrt& place, TColor colour);

    // Markers for the selected areas too small to click in the view (the
    // area exercise wants them): drawn in the area's colour by the
    // colouring operations, and a click inside one is a click on its area.
    bool MarkersWanted = false;
    const TAreaMarkers& Markers() const;
    void DrawMarkers();
    // The point a click at the picture pixel means: its own place, or the
    // seed of the area whose marker holds it.
    GeoPoint ClickPoint(int x, int y) const;

    // Colour of a selected area by its marks; false when it stays as it is.
    bool SelectedAreaColour(const CArea& area, TColor& colour) const;
    // Background of an answered place's name box by its attempts.
    static TColor PlaceLabelColour(qint32 attempts);

    // The view and picture size as one value, and who owns each pixel there.
    TMapProjection Projection() const;
    const TPixelOwners& Owners() const;

  private:
    TRasterSurface* Surface() const;  // none without a picture of some size
    void Changed() const;             // lets the picture repaint
    float VisibleHalfWidth() const;
    void DrawMarker(const TAreaMarker& marker, TColor colour);

    mutable TPixelOwners owners_;
    // The markers and the view they were placed for.
    mutable TAreaMarkers markers_;
    mutable bool markersPlaced_ = false;
    mutable TMapProjection markersView_;
};
