#pragma once

#include <array>

namespace sostav {

enum class ScreenKind { Form1, Form3, Form6, Form7, Form8 };

inline constexpr std::array AllScreenKinds {
    ScreenKind::Form1, ScreenKind::Form3, ScreenKind::Form6, ScreenKind::Form7, ScreenKind::Form8};

} // namespace sostav
