#pragma once

#include "shell/FontStyle.h"

#include <QFont>

namespace sostav {

// Turns a designed face into a font this desktop has. The screens were laid out for
// Times New Roman, Arial and MS Sans Serif; Liberation Serif and Sans share their metrics
// (and have Cyrillic), so every caption keeps the width it was designed with. A screen
// shrunk to fit a small desktop shrinks its fonts by the same `scale`.
QFont fontFor(const FontStyle& style, double scale = 1.0);

} // namespace sostav
