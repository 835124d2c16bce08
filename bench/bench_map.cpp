// SPDX-License-Identifier: MIT
// Map drawing speed on a synthetic world of 250 areas with shared borders:
// full redraw, one FillArea and the hit test, each beside a plain-fill
// baseline measured in the same run; the ratios are printed at the end.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <string>

#include "app/Generell.h"
#include "data/Fileread.h"
#include "data/MapLoader.h"
#include "data/UKarta.h"
#include "platform/Picture.h"

namespace {

// Points along the edge from a to b, bent by a small deterministic wiggle.
// The wiggle depends on the edge only, so the neighbour walking it the other
// way gets the very same points: borders are shared exactly.
std::vector<GeoPoint> Edge(GeoPoint a, GeoPoint b, int pieces) {
    const bool flip = std::make_pair(a.Lat, a.Lon) > std::make_pair(b.Lat, b.Lon);
    if (flip) std::swap(a, b);
    std::vector<GeoPoint> points;
    const double phase = std::fmod(a.Lat * 12.9898 + a.Lon * 78.233 + b.Lat * 3.1, 6.283);
    const double dLat = b.Lat - a.Lat, dLon = b.Lon - a.Lon;
    for (int i = 0; i < pieces; ++i) {
        const double t = double(i) / pieces;
        const double bend = 0.25 * std::sin(t * 3.14159265) * std::sin(phase + 7 * t);
        // Perpendicular to the edge, in degrees.
        points.push_back({float(a.Lat + t * dLat + bend * (dLon != 0 ? 1 : 0)),
                          float(a.Lon + t * dLon + bend * (dLat != 0 ? 1 : 0))});
    }
    if (flip) {
        std::vector<GeoPoint> back{b};
        for (int i = pieces - 1; i >= 1; --i) back.push_back(points[std::size_t(i)]);
        return back;
    }
    return points;
}

CArea& AddCell(CAreor& areas, double south, double west, double north, double east, int pieces) {
    auto area = std::make_unique<CArea>();
    area->Code = QStringLiteral("C%1").arg(areas.Count());
    area->North = north;
    area->South = south;
    area->East = east;
    area->West = west;
    const GeoPoint sw{float(south), float(west)}, nw{float(north), float(west)},
        ne{float(north), float(east)}, se{float(south), float(east)};
    for (auto [from, to] : {std::pair{sw, nw}, {nw, ne}, {ne, se}, {se, sw}})
        for (const GeoPoint& p : Edge(from, to, pieces)) area->Points.push_back(p);
    area->Seed1 = {float((north + south) / 2), float((east + west) / 2)};
    area->Seed2 = {float(south + (north - south) / 4), float(west + (east - west) / 4)};
    area->Selected = true;
    areas.Areas.push_back(std::move(area));
    return *areas.Areas.back();
}

// A world-sized map: a grid of cols x rows areas with wiggly shared borders,
// a lake in every tenth cell and sea all around.
struct World {
    World(int cols, int rows, QSize size) : picture(size) {
        map.Areas = std::make_unique<CAreor>();
        map.Waters = std::make_unique<CAreor>();
        map.Places = std::make_unique<COrter>();
        const double west = -150, east = 150, south = -45, north = 70;
        const double w = (east - west) / cols, h = (north - south) / rows;
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c) {
                const double s = south + r * h, x = west + c * w;
                AddCell(*map.Areas, s, x, s + h, x + w, 30);
                if ((r * cols + c) % 10 == 3) {
                    CArea& lake = AddCell(*map.Waters, s + h * 0.6, x + w * 0.6, s + h * 0.85,
                                          x + w * 0.85, 6);
                    lake.Seed2 = lake.Seed1;
                }
            }
        const GeoPoint seas[] = {{80, 0}, {-55, 0}, {0, -165}, {0, 165}, {78, 120}, {-55, -120}};
        map.SeaSeedCount = 0;
        for (const GeoPoint& p : seas) map.SeaSeeds[++map.SeaSeedCount] = p;
        map.Image = &picture;
        map.TopLatitude = 85;
        map.BottomLatitude = -60;
        map.CentreLongitude = 0;
        map.UpdateDivisor();
    }
    void Redraw() {
        map.Clear();
        map.DrawAreaOutlines(1);
        map.DrawWaters();
        map.FillSeas();
        map.ColourSelectedAreas();
    }
    TPicture picture;
    CKarta map;
};

QSize SizeFor(int width) {
    return width == 1920 ? QSize(1920, 1080) : QSize(3840, 2160);
}

void BM_FullRedraw(benchmark::State& state) {
    World world(25, 10, SizeFor(int(state.range(0))));
    for (auto _ : state) {
        world.Redraw();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FullRedraw)->Arg(1920)->Arg(3840)->Unit(benchmark::kMillisecond);

// The redraw paints every pixel about three times: the land clear, then the
// sea and the area fills between them cover the picture once more each at most.
void BM_PlainFillBaseline(benchmark::State& state) {
    TPicture picture(SizeFor(int(state.range(0))));
    TRasterSurface& canvas = picture.Canvas();
    const int passes = int(state.range(1));
    for (auto _ : state) {
        for (int i = 0; i < passes; ++i) {
            canvas.SetFillColor(MakeColor(i, 2 * i, 3 * i));
            canvas.FillRect(0, 0, canvas.Width(), canvas.Height());
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PlainFillBaseline)
    ->Args({1920, 3})
    ->Args({3840, 3})
    ->Args({1920, 1})
    ->Unit(benchmark::kMillisecond);

// One fill of a large area: a 5 x 4 block of the grid merged into one cell.
void BM_FillAreaLarge(benchmark::State& state) {
    TPicture picture(QSize(1920, 1080));
    CKarta map;
    map.Areas = std::make_unique<CAreor>();
    CArea& big = AddCell(*map.Areas, -20, -60, 40, 60, 120);
    map.Image = &picture;
    map.TopLatitude = 85;
    map.BottomLatitude = -60;
    map.UpdateDivisor();
    map.Clear();
    map.DrawAreaOutlines(1);
    const TColor colours[] = {Colors::Red, Colors::Yellow};
    int i = 0;
    for (auto _ : state) {
        map.FillArea(big, colours[i++ & 1]);  // alternating, so each fill recolours
        benchmark::ClobberMemory();
    }
    const QPoint seed(map.LonLatToX(big.Seed1.Lon, big.Seed1.Lat), map.LatToY(big.Seed1.Lat));
    int painted = 0;
    const TColor now = picture.Canvas().Pixel(seed.x(), seed.y());
    for (int y = 0; y < 1080; ++y)
        for (int x = 0; x < 1920; ++x) painted += picture.Canvas().Pixel(x, y) == now;
    state.counters["pixels"] = painted;
}
BENCHMARK(BM_FillAreaLarge)->Unit(benchmark::kMicrosecond);

// Hit test over 500 selected areas of 120 points each.
void BM_AreaAt(benchmark::State& state) {
    World world(25, 20, QSize(1920, 1080));
    int i = 0;
    for (auto _ : state) {
        const GeoPoint p{float(-40 + (i * 37) % 105), float(-145 + (i * 53) % 290)};
        benchmark::DoNotOptimize(world.map.Areas->AreaAt(p));
        ++i;
    }
}
BENCHMARK(BM_AreaAt)->Unit(benchmark::kMicrosecond);

// The delivered world map (AREA1, lakes, seas) when it sits beside the program.
// The second argument is the device pixel ratio: 3840 x 2160 at ratio 2 is
// a 1920 x 1080 window on a high-DPI screen, drawn with doubled widths.
void BM_DeliveredWorldRedraw(benchmark::State& state) {
    const QSize size = SizeFor(int(state.range(0)));
    TPicture picture(size);
    picture.SetPixelRatio(double(state.range(1)));
    std::unique_ptr<CKarta> loaded;
    try {
        loaded = LoadFullMap(1, std::nullopt, ProgramDirectory());
    } catch (const Exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    CKarta& map = *loaded;
    int points = 0;
    for (const auto& area : map.Areas->Areas) {
        area->Selected = area->PointCount() > 0;
        points += area->PointCount();
    }
    map.Image = &picture;
    map.TopLatitude = 85;
    map.BottomLatitude = -60;
    map.UpdateDivisor();
    for (auto _ : state) {
        map.Clear();
        map.DrawAreaOutlines(1);
        map.DrawWaters();
        map.FillSeas();
        map.ColourSelectedAreas();
        benchmark::ClobberMemory();
    }
    state.counters["areas"] = map.Areas->Count();
    state.counters["points"] = points;
}
BENCHMARK(BM_DeliveredWorldRedraw)
    ->Args({1920, 1})
    ->Args({3840, 1})
    ->Args({3840, 2})
    ->Unit(benchmark::kMillisecond);

// Keeps each run's CPU time per iteration (ms) for the ratios: on a shared
// machine the wall time mostly measures the neighbours. With repetitions the
// median is taken.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const std::string name = run.run_name.str();
            const bool isMedian =
                run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (isMedian) median.insert(name);
            if (isMedian || (run.run_type == Run::RT_Iteration && !median.count(name)))
                ms[name] = run.GetAdjustedCPUTime() *
                           benchmark::GetTimeUnitMultiplier(benchmark::kMillisecond) /
                           benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> ms;
    std::set<std::string> median;
};

void PrintRatio(const RatioReporter& r, const char* label, const std::string& run,
                const std::string& baseline) {
    const auto a = r.ms.find(run), b = r.ms.find(baseline);
    if (a == r.ms.end() || b == r.ms.end() || b->second <= 0) return;
    std::printf("%-38s %8.3f ms vs %8.3f ms baseline: %5.2fx\n", label, a->second, b->second,
                a->second / b->second);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // fonts need it
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nCPU time against a plain fill of the same number of full-surface passes:\n");
    PrintRatio(reporter, "full redraw 1920x1080 (3 passes)", "BM_FullRedraw/1920",
               "BM_PlainFillBaseline/1920/3");
    PrintRatio(reporter, "full redraw 3840x2160 (3 passes)", "BM_FullRedraw/3840",
               "BM_PlainFillBaseline/3840/3");
    PrintRatio(reporter, "delivered world 1920x1080 (3 passes)", "BM_DeliveredWorldRedraw/1920/1",
               "BM_PlainFillBaseline/1920/3");
    PrintRatio(reporter, "delivered world 3840x2160 (3 passes)", "BM_DeliveredWorldRedraw/3840/1",
               "BM_PlainFillBaseline/3840/3");
    PrintRatio(reporter, "delivered world 3840x2160 ratio 2 (3 passes)",
               "BM_DeliveredWorldRedraw/3840/2", "BM_PlainFillBaseline/3840/3");
    PrintRatio(reporter, "one FillArea, large area (1 pass)", "BM_FillAreaLarge",
               "BM_PlainFillBaseline/1920/1");
    PrintRatio(reporter, "one AreaAt over 500 areas (1 pass)", "BM_AreaAt",
               "BM_PlainFillBaseline/1920/1");
    benchmark::Shutdown();
    return 0;
}
