#pragma once

#include "exercises/CompositionForm.h"

namespace sostav {

// The composition of 9: the number on top, the boxes below.
class Form7 : public CompositionForm {
    Q_OBJECT

public:
    Form7();
};

} // namespace sostav
