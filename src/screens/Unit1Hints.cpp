// SPDX-License-Identifier: MIT
// The map screen's teaching aids: the hint's zoom to a small target, the
// flag in a country's name label, and ShowItem for a review of the run.
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QTimer>
#include <cmath>

#include "Unit1.h"
#include "app/Generell.h"
#include "data/UKarta.h"

namespace {

constexpr int ShowItemInterval = 350;  // ms between ShowItem's paints
constexpr int ShowItemPaints = 8;      // four blinks, about 2.8 s
constexpr int NameFlagHeight = 16;     // control pixels

}  // namespace

void TfrmOvningKarta::SetUpHints() {
    imgNamnFlagga = new QLabel(lblNamn);
    imgNamnFlagga->setObjectName(QStringLiteral("imgNamnFlagga"));
    imgNamnFlagga->setAttribute(Qt::WA_TransparentForMouseEvents);  // a click means the map
    imgNamnFlagga->hide();
    tmrShowItem = new QTimer(this);
    tmrShowItem->setInterval(ShowItemInterval);
    connect(tmrShowItem, &QTimer::timeout, this, &TfrmOvningKarta::tmrShowItemTimer);
}

void TfrmOvningKarta::HintStarted() {
    ForgetHintZoom();
    if (!HintZoom || !Exercise || !MapObject) return;
    const TItemFocus target(*MapObject, *Exercise, Exercise->AskedKey());
    if (!target.IsSmall()) return;
    const TMapView before = TMapView::Of(*MapObject);
    if (!target.ZoomTo(*MapObject)) return;
    beforeHint_ = before;
    hintView_ = TMapView::Of(*MapObject);
    ViewChanged();
}

void TfrmOvningKarta::QuestionAnswered() {
    // A view the player chose since stays.
    if (MapObject && beforeHint_ && hintView_ && TMapView::Of(*MapObject) == *hintView_) {
        beforeHint_->ApplyTo(*MapObject);
        ViewChanged();
    }
    ForgetHintZoom();
}

void TfrmOvningKarta::ForgetHintZoom() {
    beforeHint_.reset();
    hintView_.reset();
}

bool TfrmOvningKarta::ShowItem(const QString& key) {
    if (!Exercise || !MapObject || !zoom_.HasHome()) return false;
    // The rule looks at the exercise's own view, so each item is shown
    // alike whatever was shown before.
    const TMapView now = TMapView::Of(*MapObject);
    zoom_.Home(*MapObject);
    const TItemFocus item(*MapObject, *Exercise, key);
    if (!item.Found()) {
        now.ApplyTo(*MapObject);
        return false;
    }
    if (item.IsSmall()) item.ZoomTo(*MapObject);
    if (!(TMapView::Of(*MapObject) == now)) ViewChanged();
    shownItem_ = key;
    showItemTicks_ = ShowItemPaints;
    tmrShowItem->start();
    return true;
}

void TfrmOvningKarta::tmrShowItemTimer() {
    if (!Exercise || !MapObject || shownItem_.isEmpty()) {
        tmrShowItem->stop();
        return;
    }
    if (busy_ || RedrawPending()) return;  // paints on the picture being drawn anew would be lost
    --showItemTicks_;
    if (showItemTicks_ <= 0) {
        tmrShowItem->stop();
        shownItem_.clear();
        // As the run stands: answers, hint and markers, from the model.
        viewChanged_ = true;
        ViewChanged();
        return;
    }
    const TItemFocus item(*MapObject, *Exercise, shownItem_);
    item.Paint(*MapObject, showItemTicks_ % 2 == 1 ? CorrectColor : item.StateColour());
}

QPixmap TfrmOvningKarta::NameFlag(const QString& flagFile) {
    if (flagFile.isEmpty()) return {};
    const qreal ratio = devicePixelRatioF();
    const QString cacheKey = flagFile + QLatin1Char('@') + QString::number(ratio);
    if (const auto cached = nameFlags_.constFind(cacheKey); cached != nameFlags_.constEnd())
        return *cached;
    // The flags drawn at twice the size are the sharper source where they are.
    QString file = ProgramDirectory() + QStringLiteral("/flags2x/") + flagFile;
    if (ratio <= 1 || !QFile::exists(file))
        file = ProgramDirectory() + QStringLiteral("/flags/") + flagFile;
    QImageReader reader(file, "bmp");
    const QImage image = reader.read();
    QPixmap flag;
    if (image.isNull()) {
        // The name alone; the flag screen reports unreadable flags.
        qWarning("No flag for the name label: %s: %s", qPrintable(file),
                 qPrintable(reader.errorString()));
    } else {
        const int height = int(std::lround(NameFlagHeight * ratio));
        flag = QPixmap::fromImage(image.scaledToHeight(height, Qt::SmoothTransformation));
        flag.setDevicePixelRatio(ratio);
    }
    nameFlags_.insert(cacheKey, flag);
    return flag;
}
