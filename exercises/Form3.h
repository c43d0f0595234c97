#pragma once

#include "exercises/CompositionForm.h"

namespace sostav {

// The composition of 10: [box] + [box] = 10, judged with a word above each box.
class Form3 : public CompositionForm {
    Q_OBJECT

public:
    Form3();
};

} // namespace sostav
