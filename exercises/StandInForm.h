#pragma once

#include "shell/Screen.h"
#include "shell/ScreenKind.h"

namespace sostav {

class ScreenRegistry;

// An exercise screen that is not built yet: its window and its way back to the menu.
class StandInForm : public Screen {
    Q_OBJECT

public:
    StandInForm(ScreenRegistry& registry, ScreenKind kind);
};

} // namespace sostav
