// COvningOrt: the click-the-place exercise.
#pragma once

#include "exercise/ovning.h"

class COvningOrt : public COvning {
public:
    COvningOrt();
    ~COvningOrt() override;
};
