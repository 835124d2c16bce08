// COvning: the catalogue part of every exercise.
#include "ovning.h"
