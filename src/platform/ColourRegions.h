// SPDX-License-Identifier: MIT
// TColourRegions: the regions of one colour in a picture, found in one pass.
#pragma once

#include <QImage>
#include <QSize>
#include <vector>

// The 4-connected regions of one colour in a picture, the ones a flood fill
// spreads through, as runs along the rows. Finding them reads the picture
// once; painting a region then writes its runs and reads nothing. They stay
// valid while nothing but Paint writes to the picture, so a redraw that
// fills many regions of that colour pays one pass instead of a fill each.
class TColourRegions {
  public:
    static constexpr int NoRegion = -1;

    struct TRun {
        int y, x0, x1;  // x1 included
        int region;
    };

    // The regions of colour in image; pixels are compared as stored.
    void Find(const QImage& image, QRgb colour);
    // True when the regions describe image as it is now: found in it, and
    // nothing but Paint wrote to it since (the picture's cache key tells).
    bool DescribeNow(const QImage& image) const;
    QRgb Colour() const { return colour_; }

    // The region holding the pixel; NoRegion where the pixel has another
    // colour, lies outside the picture or its region was painted.
    int RegionAt(int x, int y) const;
    // Paints every pixel of the region; it then is no region of the colour.
    // While a batch is open the paint is held back, to be written with the
    // others in one pass in row order: a picture written run by run region
    // after region waits on memory far more than one written top to bottom.
    void Paint(QImage& image, int region, QRgb colour);
    // The colour a held-back paint gives the pixel, if one does.
    bool HeldBack(int x, int y, QRgb& colour) const;
    // Writes the held-back paints.
    void Flush(QImage& image);

    // Holds back the paints from its start to its end. Nothing but Paint may
    // write to the picture meanwhile: flush before any other drawing.
    class TBatch {
      public:
        TBatch(TColourRegions& regions, QImage& image);
        ~TBatch();
        TBatch(const TBatch&) = delete;
        TBatch& operator=(const TBatch&) = delete;

      private:
        TColourRegions& regions_;
        QImage& image_;
    };

    int Count() const { return int(painted_.size()); }
    bool Painted(int region) const { return painted_[std::size_t(region)] != 0; }
    // All runs in row order, each with its region.
    const std::vector<TRun>& Runs() const { return runs_; }
    int RunCount(int region) const {
        return regionStart_[std::size_t(region) + 1] - regionStart_[std::size_t(region)];
    }
    // The region's k-th run in row order, k below RunCount(region).
    const TRun& RunOf(int region, int k) const {
        return runs_[std::size_t(byRegion_[std::size_t(regionStart_[std::size_t(region)] + k)])];
    }

  private:
    // The run holding the pixel, painted or not, or nullptr.
    const TRun* RunAt(int x, int y) const;

    QRgb colour_ = 0;
    QSize size_;
    qint64 key_ = 0;
    bool found_ = false;
    int batches_ = 0;
    int heldBack_ = 0;  // regions painted but not written yet
    std::vector<TRun> runs_;
    std::vector<int> rowStart_;     // first run of each row, and one past the last
    std::vector<int> regionStart_;  // first entry of each region in byRegion_
    std::vector<int> byRegion_;     // run numbers grouped by region, in row order
    std::vector<char> painted_;
    std::vector<char> held_;     // painted, not written yet
    std::vector<QRgb> colours_;  // the colour a held-back paint writes
    std::vector<int> parent_;    // joins runs while finding
};
