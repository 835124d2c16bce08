// SPDX-License-Identifier: MIT
// CKarta: the map of an exercise: its geography, the view with its
// projection between degrees and pixels, its colours, and the drawing that
// paints it into a picture by outlines and flood fills.
#pragma once

#include <QPoint>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "data/AreaMarkers.h"
#include "data/Areor.h"
#include "data/Orter.h"
#include "data/RangeArray.h"
#include "platform/Colors.h"
#include "platform/ColourRegions.h"
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

    void Clear();
    void DrawAreaOutlines(int width);
    bool IsVisible(const CArea& area) const;
    void DrawWaters();  // ends with DrawFrame
    void DrawFrame();
    // Fills the sea around every seed, then every region still in the land
    // colour that lies outside all outlines and lakes: the seeds are placed
    // for the exercises' own views, and another size or zoom shows seas they
    // miss. Lets window messages run after each seed's fill through
    // letMessagesRun, if given; when that says the map's owner went away
    // (false), it stops at once and returns false.
    bool FillSeas(const std::function<bool()>& letMessagesRun = {});
    // Inside an area's or a lake's outline.
    bool OnLandOrLake(const GeoPoint& point) const;
    // The same, trying first the outline that held a point before (found,
    // updated to the one that holds this point): neighbouring points mostly
    // lie in the same one.
    bool OnLandOrLake(const GeoPoint& point, const CArea*& found) const;
    // Points of the picture inside the outline, clear of its lines: the
    // middle of each wide enough stretch between the outline's crossings of
    // every step-th row. For outlines whose seeds miss the picture.
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

  private:
    TRasterSurface* Surface() const;  // none without a picture of some size
    void Changed() const;             // lets the picture repaint
    QPoint Project(const GeoPoint& p) const;
    void FillSeaOutsideOutlines(TRasterSurface& surface);
    // A flood fill in surface mode at p over the colour `over`; through the
    // land regions while they still describe the picture.
    void FillOver(TRasterSurface& surface, QPoint p, TColor over, TColor colour);
    // The pixel's colour, counting the land regions' held-back paints.
    TColor PixelNow(const TRasterSurface& surface, QPoint p) const;
    // Whether the seeds alone may miss part of the outline on the picture:
    // it reaches beyond the picture's edges.
    bool CutByTheEdges(const CArea& outline) const;
    // Inside this outline and no other of its kind (another area's enclave
    // or island, a lake's neighbour): lakes lie within areas by nature. The
    // area's own records (a part's record repeats its ring) don't count.
    bool OnlyInside(const GeoPoint& point, const CArea& outline) const;
    float VisibleHalfWidth() const;

    // The areas and lakes by 10-degree cells of their bounding boxes, so that
    // asking whether a point is on land looks at a few outlines only. Built
    // on first use and again when the number of outlines changes.
    struct TOutlineIndex {
        int outlines = -1;
        struct TEntry {
            const CArea* outline;
            bool lake;
        };
        std::vector<std::vector<TEntry>> cells;
    };
    const TOutlineIndex& OutlineIndex() const;
    mutable TOutlineIndex outlineIndex_;
    // The land-coloured regions as the sea fill found them: the sea and the
    // areas of a redraw are painted from them without a fill's reads.
    TColourRegions landRegions_;

    // The picture size and view something was found for.
    struct TViewKey {
        int w = 0, h = 0;
        float top = 0, bottom = 0, centre = 0;
        bool operator==(const TViewKey&) const = default;
    };
    TViewKey ViewKey() const;
    // A pixel in each land region of the picture, by the area it belongs to:
    // FillArea fills from them too, so that the parts of an area that the
    // outlines pinch off at this size or zoom, which its seeds miss, take
    // its colour. Found with the seas for the view they were drawn in.
    struct TPartPixels {
        TViewKey view;
        std::map<const CArea*, std::vector<QPoint>> byArea;
    };
    TPartPixels partPixels_;
    // The markers and the view they were placed for.
    mutable TAreaMarkers markers_;
    mutable bool markersPlaced_ = false;
    mutable TViewKey markersView_;
    void DrawMarker(const TAreaMarker& marker, TColor colour);
    // Fills partPixels_ for the land regions that hold no area's seed.
    void FindPartPixels();
    // Whether most of the points asked of a land region lie outside every
    // outline and lake (up to 15, spread over its rows); true when none can
    // be asked (beyond the date line).
    bool MostlyOutsideOutlines(int region) const;
    // Whether the map draws anything at this longitude: the world from -180
    // to 180, and past the date line as far as the islands drawn there.
    bool OnTheMap(float lon) const;
    struct TEastmost {
        int areas = -1;  // the area count it was found for
        double lon = 180;
    };
    mutable TEastmost eastmost_;
    // The innermost area whose outline holds the point, as a click finds it.
    const CArea* InnermostAreaAt(const GeoPoint& point) const;
};
