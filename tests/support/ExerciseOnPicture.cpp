// SPDX-License-Identifier: MIT
#include "support/ExerciseOnPicture.h"

#include "data/MapLoader.h"
#include "data/UKarta.h"
#include "exercise/ovning.h"

ExerciseOnPicture::ExerciseOnPicture(COvning& exercise, QSize size, const QString& folder,
                                     bool graticule, qreal pixelRatio)
    : exercise_(exercise),
      map_(LoadFullMap(exercise.MapNo, exercise.PlaceFileNo, folder)),
      screen_(size, pixelRatio) {
    if (!graticule) map_->ShowGrid = false;
    exercise_.Map = map_.get();
    exercise_.Start(screen_);
}

ExerciseOnPicture::~ExerciseOnPicture() {
    // The catalogue's entry outlives this map.
    exercise_.Map = nullptr;
    exercise_.Form = nullptr;
}

const QImage& ExerciseOnPicture::Picture() const {
    return screen_.Picture().Bitmap();
}

QPoint ExerciseOnPicture::At(float lat, float lon) const {
    return {map_->LonLatToX(lon, lat), map_->LatToY(lat)};
}

TColor ExerciseOnPicture::Pixel(int x, int y) const {
    return FromQRgb(Picture().pixel(x, y));
}

bool ExerciseOnPicture::Inside(QPoint p) const {
    return map_->InsideImage(p.x(), p.y());
}
