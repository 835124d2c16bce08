// SPDX-License-Identifier: MIT
// CMapExplorer: an exercise's map with nothing asked. Its areas and places
// are drawn as a run draws them; pointing at one (or clicking it) shows its
// name, and for a country its capital, in the name box. Nothing is counted
// and nothing reaches the results history or the top ten.
#pragma once

#include <memory>

#include "exercise/ovning.h"

class CArea;
class COrt;
class TExerciseItems;
class TMapExerciseScreen;

class CMapExplorer : public COvning {
  public:
    // Explores the entry's map: its areas coloured for an area or
    // multiple-choice exercise, its places drawn for a place or
    // multiple-choice one.
    explicit CMapExplorer(const COvning& entry);
    ~CMapExplorer() override;

    void Start(TOvningsformular& form) override;
    bool RedrawMap() override;
    // The instruction; the same for as long as the map is open.
    QString NextQuestion() override;
    bool IsRight(const TAnswer&) override { return false; }
    void Right() override {}
    // A click names what is there, as pointing does.
    void Wrong(const TAnswer& answer) override { Point(answer); }
    void Blink() override {}
    void Point(const TAnswer& answer) override;
    bool Explores() const override { return true; }

    // What a player is shown at the point: the name line and the picture
    // pixel it belongs to; an empty text where there is nothing.
    struct TFound {
        QString Text;
        QString FlagFile;
        int X = 0;
        int Y = 0;
    };
    TFound At(const TAnswer& answer) const;

  protected:
    // After the start selected the items, before the map is drawn.
    virtual void BeforeDrawing() {}
    TMapExerciseScreen* Screen() const;

  private:
    const COrt* PlaceNear(const TAnswer& answer) const;

    bool showsAreas_ = true;
    bool showsPlaces_ = false;
    std::unique_ptr<TExerciseItems> items_;  // names, flags and capitals; null if unreadable
};
