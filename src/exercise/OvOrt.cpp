// COvningOrt: the click-the-place exercise.
#include "OvOrt.h"

COvningOrt::COvningOrt() = default;
COvningOrt::~COvningOrt() = default;
