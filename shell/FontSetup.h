#pragma once

#include "shell/FontStyle.h"

#include <QFont>

namespace sostav {

// Turns the designed faces into fonts this desktop has. The screens were laid out for
// Times New Roman, Arial and MS Sans Serif; Liberation Serif and Sans share their metrics
// (and have Cyrillic), so every caption keeps the width it was designed with.
class FontSetup {
public:
    static QFont font(const FontStyle& layout);
};

} // namespace sostav
