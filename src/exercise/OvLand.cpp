// COvningLandArea: the click-the-area exercise.
#include "OvLand.h"

COvningLandArea::COvningLandArea() = default;
COvningLandArea::~COvningLandArea() = default;
