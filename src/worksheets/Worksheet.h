// SPDX-License-Identifier: MIT
// TWorksheet: a printable worksheet of an exercise and its answer key, two
// pages painted alike on a PDF file or a printer. Map exercises get their
// map with a number on each item and a numbered list to fill in; flag
// exercises a grid of flags to name; multiple choice its questions.
#pragma once

#include <QImage>
#include <QPageSize>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <memory>
#include <stdexcept>
#include <vector>

class CKarta;
class COvning;
class QLocale;
class QPagedPaintDevice;
class QPainter;
class TPictureScreen;

// Why a worksheet could not be made, as its user is told.
class TWorksheetError : public std::runtime_error {
  public:
    explicit TWorksheetError(const QString& message)
        : std::runtime_error(message.toStdString()), Message(message) {}
    QString Message;
};

struct TSheetItem {
    int Number = 0;  // 1..n, as printed
    QString Key;     // the area's item key, the place's or flag's code
    QString Name;    // in the current language
    // Map items: the item's point on the map picture (its pixels), and the
    // number's box on the page (points); Leader when a line joins them.
    bool OnMap = false;
    QPointF Anchor;
    QRectF Label;
    bool Leader = false;
    double Mark = 0;   // radius (points) of the item's own mark: a marker or dot; 0 none
    QString FlagFile;  // flags: relative to the flags folder
    // Multiple choice: the question, its four answers (an empty one is left
    // out) and the right one's index 0..3.
    QString Question;
    QStringList Choices;
    int Right = -1;
};

class TWorksheet {
  public:
    enum class TKind { Map, Flags, Choices };
    static constexpr int MaxChoiceQuestions = 20;
    // Map pictures are drawn at this many pixels per point (288 dpi), as a
    // screen of three device pixels per pixel.
    static constexpr int PixelsPerPoint = 4;
    static constexpr int PixelRatio = 3;

    // Reads the exercise's data from the folder (the program's folder when
    // empty) and lays the sheet out on the paper. Raises TWorksheetError.
    // Lets window messages run while the map is drawn.
    TWorksheet(const COvning& entry, QPageSize::PageSizeId paper, const QString& folder = {});
    ~TWorksheet();
    TWorksheet(const TWorksheet&) = delete;
    TWorksheet& operator=(const TWorksheet&) = delete;

    TKind Kind() const { return kind_; }
    QString Title() const { return title_; }
    const std::vector<TSheetItem>& Items() const { return items_; }
    // The page, portrait, in points; the map's place on it (map kinds).
    QSizeF PageSize() const { return page_; }
    QRectF MapRect() const { return mapRect_; }
    // The map as drawn, with the view and projection of its picture.
    const CKarta* Map() const { return map_.get(); }
    const QImage& MapPicture() const { return mapPicture_; }
    // A pixel of the map picture on the page, in points.
    QPointF OnPage(QPointF mapPixel) const;

    static constexpr int PageCount = 2;
    // Paints page 1 (the sheet) or 2 (the key) with the painter's window in points.
    void PaintPage(QPainter& painter, int page) const;
    // Both pages on a PDF writer or printer whose page is set; false when
    // the device cannot be painted on.
    bool Print(QPagedPaintDevice& device) const;

  private:
    void MakeMapSheet(const COvning& entry, const QString& folder);
    void MakeFlagSheet(const COvning& entry, const QString& folder);
    void MakeChoiceSheet(const COvning& entry, const QString& folder);
    void LayOutList(double top);
    void PaintHeader(QPainter& p, int page) const;
    void PaintMap(QPainter& p) const;
    void PaintList(QPainter& p, bool key) const;
    void PaintFlags(QPainter& p, bool key) const;
    void PaintChoices(QPainter& p, bool key) const;

    TKind kind_ = TKind::Map;
    QString title_;
    QSizeF page_;
    QRectF content_;  // inside the margins
    double bodyTop_ = 0;
    QRectF mapRect_;
    QRectF listRect_;
    int listColumns_ = 1;
    double rowHeight_ = 20;
    int labelFont_ = 8;
    std::unique_ptr<TPictureScreen> screen_;  // the map's picture
    std::unique_ptr<COvning> exercise_;
    std::unique_ptr<CKarta> map_;
    QImage mapPicture_;
    std::vector<TSheetItem> items_;
    std::vector<QImage> flags_;  // by item
};

// The paper a locale prints on: Letter in the Americas that use it, A4 elsewhere.
QPageSize::PageSizeId DefaultPaper(const QLocale& locale);

// The worksheet of the exercise as a PDF file, written whole or not at all,
// from the data in folder (the program's when empty). False with a message
// for the user in *error (when given). Lets window messages run.
bool SaveWorksheetPdf(const COvning& entry, const QString& file, QPageSize::PageSizeId paper,
                      QString* error, const QString& folder = {});
