#pragma once

#include "shell/Screen.h"

namespace sostav {

// The main menu: four exercises and the way out. Its buttons do nothing but ask to
// move, so the whole screen is its table.
class Form1 : public Screen {
    Q_OBJECT

public:
    Form1();
};

} // namespace sostav
