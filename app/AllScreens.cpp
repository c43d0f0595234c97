#include "app/AllScreens.h"

#include "exercises/Form3.h"
#include "exercises/Form6.h"
#include "exercises/Form7.h"
#include "exercises/Form8.h"
#include "shell/Form1.h"

namespace sostav {

std::unique_ptr<Screen> makeScreen(ScreenKind kind)
{
    // A kind left out here is a compile error (-Werror=switch), not a screen that never opens.
    switch (kind) {
    case ScreenKind::Form1:
        return std::make_unique<Form1>();
    case ScreenKind::Form3:
        return std::make_unique<Form3>();
    case ScreenKind::Form6:
        return std::make_unique<Form6>();
    case ScreenKind::Form7:
        return std::make_unique<Form7>();
    case ScreenKind::Form8:
        return std::make_unique<Form8>();
    }
    return nullptr;
}

} // namespace sostav
