// SPDX-License-Identifier: MIT
// TFlagGallery: a flag exercise explored: every flag with its country's
// name and capital, to look at with nothing asked and nothing counted.
#pragma once

#include <QWidget>

class COvning;
class QGridLayout;
class TExerciseItems;

class TFlagGallery : public QWidget {
    Q_OBJECT
  public:
    static constexpr int Columns = 4;

    TFlagGallery(const COvning& entry, const TExerciseItems& items, QWidget* parent);

    // The cards in the exercise's order: a flag and the names under it.
    int CardCount() const { return cards_; }

  private:
    int cards_ = 0;
};
