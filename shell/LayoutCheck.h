#pragma once

#include <string>

namespace sostav {

struct ScreenLayout;

// What keeps a screen's table from making a working screen, naming the screen, the row and
// the rule broken; empty when the table is sound. A screen with answer boxes needs a judge and
// exactly one check, reset, back and each verdict; a screen with menu links needs exactly one exit.
std::string layoutProblem(const ScreenLayout& layout);

} // namespace sostav
