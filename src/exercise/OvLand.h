// COvningLandArea: the click-the-area exercise.
#pragma once

#include "exercise/ovning.h"

class COvningLandArea : public COvning {
public:
    COvningLandArea();
    ~COvningLandArea() override;
};
