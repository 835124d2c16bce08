// COvningFlagga: the pick-the-flag exercise.
#pragma once

#include "exercise/ovning.h"

class COvningFlagga : public COvning {
public:
    COvningFlagga();
    ~COvningFlagga() override;
};
