#include "app/AllScreens.h"

#include "exercises/Form3.h"
#include "exercises/Form6.h"
#include "exercises/Form7.h"
#include "exercises/Form8.h"
#include "shell/Form1.h"

namespace sostav {

namespace {

const ScreenLayout& layoutOf(ScreenKind kind)
{
    // A kind left out here is a compile error (-Werror=switch), not a screen that never opens.
    switch (kind) {
    case ScreenKind::Form1:
        return Form1;
    case ScreenKind::Form3:
        return Form3;
    case ScreenKind::Form6:
        return Form6;
    case ScreenKind::Form7:
        return Form7;
    case ScreenKind::Form8:
        return Form8;
    }
    return Form1; // not reached: every kind returns above
}

} // namespace

std::unique_ptr<Screen> makeScreen(ScreenKind kind)
{
    return std::make_unique<Screen>(layoutOf(kind));
}

} // namespace sostav
