// COvningFlagga: the pick-the-flag exercise.
#include "OvFlagga.h"

COvningFlagga::COvningFlagga() = default;
COvningFlagga::~COvningFlagga() = default;
