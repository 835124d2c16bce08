// SPDX-License-Identifier: MIT
// CMapPicker: a map to choose an exercise's areas on. It runs on the map
// screen like exploring, with every area of the map clickable (small ones
// by their markers); a click takes an area in or leaves it out, and the
// chosen ones show in the colour of a right answer. Nothing is counted.
#pragma once

#include <QStringList>
#include <functional>

#include "exercise/MapExplorer.h"

class CMapPicker : public CMapExplorer {
  public:
    // The draft's map and view; the keys chosen so far.
    CMapPicker(const COvning& draft, QStringList chosen);

    QString NextQuestion() override;
    bool RedrawMap() override;
    // A click takes the area under it in, or leaves it out.
    void Wrong(const TAnswer& answer) override;

    const QStringList& Chosen() const { return chosen_; }
    // Told the chosen keys after every change.
    std::function<void(const QStringList&)> Changed;

    // The view the map was last drawn with (after any zoom); Known false
    // until it was drawn.
    struct TView {
        bool Known = false;
        double Top = 0;
        double Bottom = 0;
        double Centre = 0;
    };
    const TView& LastView() const { return view_; }

  protected:
    void BeforeDrawing() override;

  private:
    void MarkChosen(const QString& code, bool chosen);

    QStringList chosen_;
    TView view_;
};
