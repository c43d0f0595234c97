#pragma once

#include "shell/Screen.h"

namespace sostav {

class ScreenRegistry;

// The review worksheet: thirteen blanks over three number tables, judged as a whole.
class Form6 : public Screen {
    Q_OBJECT

public:
    explicit Form6(ScreenRegistry& registry);

private:
    void check();
    void reset();
};

} // namespace sostav
