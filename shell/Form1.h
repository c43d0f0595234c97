#pragma once

#include "shell/Screen.h"

namespace sostav {

class ScreenRegistry;

// The main menu: four exercises and the way out.
class Form1 : public Screen {
    Q_OBJECT

public:
    explicit Form1(ScreenRegistry& registry);
};

} // namespace sostav
