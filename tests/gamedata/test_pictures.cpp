// SPDX-License-Identifier: MIT
// The pictures every map exercise shows at the two picture sizes its seeds were placed for
// (1280 x 720 and 1920 x 1048) stay the ones kept in tests/gamedata/pictures, away from the
// outlines: a change to how the map decides its colours may move an outline's neighbours, and
// nothing else. Where the earlier seed fills left an arm of a lake unfilled, or an island's part
// cut by the frame in the land colour (48 pictures), or drew no circle for an area too thin to
// click (Liechtenstein, the Gambia, atolls; 42 pictures), the kept picture is the mended one.
// GLOMIRA_WRITE_PICTURES=<folder> writes the pictures there instead, and
// GLOMIRA_PICTURE_DIFFS=<folder> writes each differing picture there beside its differences (red
// away from the outlines, yellow beside them).

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QString>
#include <iostream>
#include <memory>
#include <vector>

#include "MapCheck.h"
#include "data/UKarta.h"
#include "data/ovningar.h"
#include "exercise/ovning.h"
#include "support/ExerciseOnPicture.h"

namespace {

const QString Dir = QStringLiteral(GLOMIRA_GAMEDATA_DIR);
const QString Kept = QStringLiteral(GLOMIRA_PICTURES_DIR);

struct PictureSize {
    int W, H;
};
void PrintTo(const PictureSize& s, std::ostream* os) {
    *os << s.W << "x" << s.H;
}

// Every item answered, at attempts 1, 2, 3 and 4 in turn, as a redraw paints the answers.
void AnswerEverything(COvning& exercise, CKarta& map) {
    int k = 0;
    if (exercise.Kind == QLatin1String("AREA")) {
        for (const auto& a : map.Areas->Areas)
            if (a->Selected && !a->Answered) map.Areas->MarkAnswered(a->Code, k++ % 4 + 1);
    } else {
        for (COrt* p = map.Places->First; p; p = p->Next)
            if (p->Selected) p->Answered = true, p->Attempts = k++ % 4 + 1;
    }
    exercise.RedrawMap();
}

QImage Indexed(const QImage& picture) {
    return picture.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
}

}  // namespace

class KeptPictures : public testing::TestWithParam<PictureSize> {};

TEST_P(KeptPictures, StayTheSameAwayFromTheOutlines) {
    COvningar catalogue;
    catalogue.Load(Dir + "/Ovning.crp");
    const QString writeTo = qEnvironmentVariable("GLOMIRA_WRITE_PICTURES");
    const PictureSize size = GetParam();
    int compared = 0;
    long long besideOutlines = 0;
    for (COvning* e = catalogue.First; e; e = e->Next) {
        if (e->Kind != QLatin1String("AREA") && e->Kind != QLatin1String("ORT")) continue;
        if (e->MapNo < 1 || e->MapNo > 5) continue;
        const ExerciseOnPicture drawn(*e, QSize(size.W, size.H), Dir, true);
        for (const bool answered : {false, true}) {
            if (answered) AnswerEverything(*e, drawn.Map());
            const QString name = QStringLiteral("%1-%2x%3%4.png")
                                     .arg(e->Number)
                                     .arg(size.W)
                                     .arg(size.H)
                                     .arg(answered ? QStringLiteral("-answered") : QString());
            const QImage now = drawn.Picture().convertToFormat(QImage::Format_RGB32);
            if (!writeTo.isEmpty()) {
                QDir().mkpath(writeTo);
                ASSERT_TRUE(Indexed(now).save(writeTo + QLatin1Char('/') + name, "PNG", 0));
                continue;
            }
            const QImage kept =
                QImage(Kept + QLatin1Char('/') + name).convertToFormat(QImage::Format_RGB32);
            ASSERT_FALSE(kept.isNull()) << name.toStdString() << " is not kept";
            ASSERT_EQ(kept.size(), now.size()) << name.toStdString();
            const std::vector<char> near = NearOutlines(drawn.Map(), e->BorderWidth);
            int away = 0, beside = 0, firstX = -1, firstY = -1;
            for (int y = 0; y < size.H; ++y) {
                const QRgb* a = reinterpret_cast<const QRgb*>(kept.constScanLine(y));
                const QRgb* b = reinterpret_cast<const QRgb*>(now.constScanLine(y));
                for (int x = 0; x < size.W; ++x) {
                    if (a[x] == b[x]) continue;
                    if (near[std::size_t(y) * std::size_t(size.W) + std::size_t(x)]) {
                        ++beside;
                    } else if (away++ == 0) {
                        firstX = x, firstY = y;
                    }
                }
            }
            const QString diffs = qEnvironmentVariable("GLOMIRA_PICTURE_DIFFS");
            if (!diffs.isEmpty() && away + beside > 0) {
                QImage marked = now;
                for (int y = 0; y < size.H; ++y)
                    for (int x = 0; x < size.W; ++x)
                        if (kept.pixel(x, y) != now.pixel(x, y))
                            marked.setPixel(
                                x, y,
                                near[std::size_t(y) * std::size_t(size.W) + std::size_t(x)]
                                    ? qRgb(255, 255, 0)
                                    : qRgb(255, 0, 0));
                QDir().mkpath(diffs);
                marked.save(diffs + QStringLiteral("/diff-") + name);
                now.save(diffs + QLatin1Char('/') + name);
            }
            ++compared;
            besideOutlines += beside;
            EXPECT_EQ(away, 0) << name.toStdString() << ": " << away
                               << " pixels differ away from the outlines, the first at " << firstX
                               << "," << firstY << " (" << drawn.Map().YToLat(firstY) << "° "
                               << drawn.Map().PixelToLon(firstY, firstX) << "°)";
        }
    }
    if (writeTo.isEmpty()) {
        EXPECT_GT(compared, 100);
        std::cout << compared << " pictures at " << size.W << "x" << size.H << ": "
                  << besideOutlines << " pixels differ, all on or beside outlines\n";
    }
}

INSTANTIATE_TEST_SUITE_P(SeededSizes, KeptPictures,
                         testing::Values(PictureSize{1280, 720}, PictureSize{1920, 1048}));
