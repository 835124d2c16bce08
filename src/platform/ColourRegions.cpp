// SPDX-License-Identifier: MIT
// The regions of one colour: runs joined row by row, painted run by run.
#include "ColourRegions.h"

#include <algorithm>

#include "RasterSurface.h"

void TColourRegions::Find(const QImage& image, QRgb colour) {
    colour_ = colour;
    size_ = image.size();
    runs_.clear();
    parent_.clear();
    const int w = image.width(), h = image.height();
    rowStart_.assign(std::size_t(std::max(h, 0)) + 1, 0);
    auto root = [this](int i) {
        while (parent_[std::size_t(i)] != i) {
            int& p = parent_[std::size_t(i)];
            p = parent_[std::size_t(p)];
            i = p;
        }
        return i;
    };
    // A run joins every run of the row above whose columns it shares.
    int previousRow = 0, previousEnd = 0;
    for (int y = 0; y < h; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        const int rowStart = int(runs_.size());
        rowStart_[std::size_t(y)] = rowStart;
        int above = previousRow;
        for (int x = RunEndRight(row, 0, w, colour, false); x < w;
             x = RunEndRight(row, x, w, colour, false)) {
            const int x0 = x;
            x = RunEndRight(row, x, w, colour, true);
            const int me = int(runs_.size());
            runs_.push_back({y, x0, x - 1, 0});
            parent_.push_back(me);
            while (above < previousEnd && runs_[std::size_t(above)].x1 < x0) ++above;
            for (int k = above; k < previousEnd && runs_[std::size_t(k)].x0 <= x - 1; ++k) {
                const int a = root(k), b = root(me);
                if (a != b) parent_[std::size_t(std::max(a, b))] = std::min(a, b);
            }
        }
        previousRow = rowStart;
        previousEnd = int(runs_.size());
    }
    rowStart_[std::size_t(std::max(h, 0))] = int(runs_.size());

    // Regions numbered by their first run; runs grouped by region.
    int regions = 0;
    for (std::size_t i = 0; i < runs_.size(); ++i) {
        const int r = root(int(i));
        runs_[i].region = r == int(i) ? regions++ : runs_[std::size_t(r)].region;
    }
    regionStart_.assign(std::size_t(regions) + 1, 0);
    for (const TRun& run : runs_) ++regionStart_[std::size_t(run.region) + 1];
    for (std::size_t r = 1; r < regionStart_.size(); ++r) regionStart_[r] += regionStart_[r - 1];
    byRegion_.resize(runs_.size());
    std::vector<int> next(regionStart_.begin(), regionStart_.end() - 1);
    for (std::size_t i = 0; i < runs_.size(); ++i)
        byRegion_[std::size_t(next[std::size_t(runs_[i].region)]++)] = int(i);
    painted_.assign(std::size_t(regions), 0);
    held_.assign(std::size_t(regions), 0);
    colours_.assign(std::size_t(regions), 0);
    heldBack_ = 0;
    key_ = image.cacheKey();
    found_ = true;
}

bool TColourRegions::DescribeNow(const QImage& image) const {
    return found_ && !image.isNull() && image.cacheKey() == key_ && image.size() == size_;
}

const TColourRegions::TRun* TColourRegions::RunAt(int x, int y) const {
    if (!found_ || x < 0 || y < 0 || x >= size_.width() || y >= size_.height()) return nullptr;
    const auto first = runs_.begin() + rowStart_[std::size_t(y)];
    const auto last = runs_.begin() + rowStart_[std::size_t(y) + 1];
    auto it = std::upper_bound(first, last, x, [](int px, const TRun& r) { return px < r.x0; });
    if (it == first || x > (it - 1)->x1) return nullptr;
    return &*(it - 1);
}

int TColourRegions::RegionAt(int x, int y) const {
    const TRun* run = RunAt(x, y);
    return run && !Painted(run->region) ? run->region : NoRegion;
}

bool TColourRegions::HeldBack(int x, int y, QRgb& colour) const {
    const TRun* run = RunAt(x, y);
    if (!run || !held_[std::size_t(run->region)]) return false;
    colour = colours_[std::size_t(run->region)];
    return true;
}

void TColourRegions::Paint(QImage& image, int region, QRgb colour) {
    if (!DescribeNow(image) || region < 0 || region >= Count() || Painted(region) ||
        colour == colour_)
        return;
    painted_[std::size_t(region)] = 1;
    if (batches_ > 0) {
        held_[std::size_t(region)] = 1;
        colours_[std::size_t(region)] = colour;
        ++heldBack_;
        return;
    }
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int k = regionStart_[std::size_t(region)]; k < regionStart_[std::size_t(region) + 1];
         ++k) {
        const TRun& run = runs_[std::size_t(byRegion_[std::size_t(k)])];
        QRgb* row = reinterpret_cast<QRgb*>(bits + run.y * stride);
        std::fill(row + run.x0, row + run.x1 + 1, colour);
    }
    key_ = image.cacheKey();
}

void TColourRegions::Flush(QImage& image) {
    if (heldBack_ == 0) return;
    heldBack_ = 0;
    if (!found_ || image.size() != size_) {  // another picture: the runs do not fit it
        held_.assign(held_.size(), 0);
        found_ = false;
        return;
    }
    // Drawn over meanwhile (which a batch forbids): the paints still land,
    // but the regions no longer tell the picture.
    const bool untouched = DescribeNow(image);
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (const TRun& run : runs_) {
        if (!held_[std::size_t(run.region)]) continue;
        QRgb* row = reinterpret_cast<QRgb*>(bits + run.y * stride);
        std::fill(row + run.x0, row + run.x1 + 1, colours_[std::size_t(run.region)]);
    }
    held_.assign(held_.size(), 0);
    key_ = image.cacheKey();
    found_ = untouched;
}

TColourRegions::TBatch::TBatch(TColourRegions& regions, QImage& image)
    : regions_(regions), image_(image) {
    ++regions_.batches_;
}

TColourRegions::TBatch::~TBatch() {
    if (--regions_.batches_ == 0) regions_.Flush(image_);
}
