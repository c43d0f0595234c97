#pragma once

namespace sostav {

enum class ScreenKind { Form1, Form3, Form6, Form7, Form8 };

} // namespace sostav
