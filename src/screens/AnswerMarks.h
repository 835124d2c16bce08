// SPDX-License-Identifier: MIT
// The tick and the cross the multiple-choice boxes show beside a right or a
// wrong answer, drawn as lines: the fonts the program relies on (Liberation)
// have no check mark or ballot cross.
#pragma once

#include <QRect>

#include "screens/Ovform.h"

class TPicture;

// Where the sign goes in a box, in the box's pixels: a square at its left end.
QRect AnswerMarkRect(const TPicture& box);
// Draws the sign over the box's picture (nothing for TAnswerMark::None).
void DrawAnswerMark(TPicture& box, TAnswerMark mark);
