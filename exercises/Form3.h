#pragma once

#include "shell/Screen.h"

namespace sostav {

// The composition of 10: [box] + [box] = 10, judged with a word above each box.
class Form3 : public Screen {
    Q_OBJECT

public:
    Form3();

private:
    void check();
    void reset();
};

} // namespace sostav
