// COvningMulti: the four-answer multiple-choice exercise.
#include "Ovmulti.h"

COvningMulti::COvningMulti() = default;
COvningMulti::~COvningMulti() = default;
