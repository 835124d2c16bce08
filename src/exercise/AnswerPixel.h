// SPDX-License-Identifier: MIT
// AnswerPixel: where on the map's picture a click answers the question that
// an area or place exercise asks now. The tools and tests that play the game
// click there, the way a player who knows the answer would.
#pragma once

#include <QPoint>
#include <optional>

class CKarta;
class COvning;

// For an area: its marker, else a seed or a point inside one of its pieces
// on the picture; for a place: its dot. None when no question is open, the
// exercise is of another kind, or no pixel of the picture answers it.
std::optional<QPoint> AnswerPixel(const CKarta& map, COvning& exercise);

// A click that answers the open question wrong, and counts: inside another
// area of the exercise not answered yet, or on another place's dot. None
// where there is no such item on the picture.
std::optional<QPoint> MissPixel(const CKarta& map, COvning& exercise);
