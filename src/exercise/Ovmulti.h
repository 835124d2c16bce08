// COvningMulti: the four-answer multiple-choice exercise.
#pragma once

#include "exercise/ovning.h"

class COvningMulti : public COvning {
public:
    COvningMulti();
    ~COvningMulti() override;
};
