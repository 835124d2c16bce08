// Map loading, hourglass and top-ten hook of the exercise screens.
#include "ScreenSupport.h"

#include <QApplication>
#include <QCursor>
#include <QWidget>

#include "app/Generell.h"
#include "data/Fileread.h"
#include "data/UKarta.h"
#include "exercise/ovning.h"
#include "platform/MessageBoxes.h"
#include "scores/Tioitopp.h"
#include "screens/Ovform.h"

namespace {
constexpr int GridMap = 1;  // only the world map shows the graticule
}

QFont ArialPixels(int pixels, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void SetBackground(QWidget* widget, TColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ToQColor(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QString AreaFileName(int mapNo) {
    if (mapNo < 1 || mapNo > 5) return {};
    return QStringLiteral("AREA%1.crp").arg(mapNo);
}

QString PlaceFileName(int placeFileNo) {
    return QStringLiteral("Ort%1.crp").arg(placeFileNo);
}

std::unique_ptr<CKarta> LoadPlacesAndAreas(const COvning& exercise) {
    auto map = std::make_unique<CKarta>();
    map->Areas = std::make_unique<CAreor>();
    map->Places = std::make_unique<COrter>();
    map->Places->Load(PlaceFileName(exercise.PlaceFileNo));
    if (const QString areas = AreaFileName(exercise.MapNo); !areas.isEmpty())
        map->Areas->Load(areas);
    return map;
}

std::unique_ptr<CKarta> LoadFullMap(const COvning& exercise) {
    auto map = std::make_unique<CKarta>();
    map->Areas = std::make_unique<CAreor>();
    map->Waters = std::make_unique<CAreor>();
    map->Places = std::make_unique<COrter>();
    map->Places->Load(PlaceFileName(exercise.PlaceFileNo));
    const int mapNo = exercise.MapNo;
    if (mapNo < 1 || mapNo > 5) return map;
    // Maps 4 and 5 have no lakes of their own and share the world's sea seeds.
    if (mapNo <= 3) map->Waters->Load(QStringLiteral("Vatten.crp"));
    map->Areas->Load(AreaFileName(mapNo));
    map->LoadSeaSeeds(QStringLiteral("Hav%1.crp").arg(mapNo <= 3 ? mapNo : 1));
    map->ShowGrid = mapNo == GridMap;
    return map;
}

TWaitCursor::TWaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

TWaitCursor::~TWaitCursor() {
    QApplication::restoreOverrideCursor();
}

void InstallTopTenForm() {
    SetTopTenForm([](const TTopTenRequest& request, TOvningsformular* owner) {
        TfrmTioitopp::Execute(dynamic_cast<QWidget*>(owner), request);
    });
}
