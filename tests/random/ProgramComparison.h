#pragma once

#include "ProgramModel.h"

#include "shell/ScreenKind.h"

#include <QString>

#include <optional>

namespace sostav {
class ScreenRegistry;
}

namespace sostav::test {

ScreenKind KindOf(Form form);

// What differs between the running program and the model, described for a person, or
// std::nullopt when they agree: whether the program has ended, which screens exist and
// which one is on display, every box's text, every verdict indicator, and the focus of
// the screen on display.
std::optional<QString> DifferenceFromModel(
    const ScreenRegistry& registry, bool programEnded, const ProgramModel& model);

} // namespace sostav::test
