#pragma once

#include "exercises/CompositionForm.h"

namespace sostav {

// The composition of 8: the boxes on top, the number below.
class Form8 : public CompositionForm {
    Q_OBJECT

public:
    Form8();
};

} // namespace sostav
