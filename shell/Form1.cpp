#include "shell/Form1.h"

#include "shell/Palette.h"

namespace sostav {

namespace {

using enum WidgetKind;

// "выход" lies beyond the window's designed client area and still holds the first tab
// index: it is reached by the keyboard, or seen once the window is enlarged.
constexpr WidgetRow Widgets[] = {
    {.name = "Command8",
        .kind = CommandButton,
        .text = "Повторение",
        .left = 3480,
        .top = 4440,
        .width = 4095,
        .height = 855,
        .font = TimesBold(2775),
        .tabIndex = 4,
        .role = Role::Open,
        .opens = ScreenKind::Form6},
    {.name = "Command7",
        .kind = CommandButton,
        .text = "Состав числа 8",
        .left = 2520,
        .top = 3120,
        .width = 5895,
        .height = 855,
        .font = TimesBold(3600),
        .tabIndex = 3,
        .role = Role::Open,
        .opens = ScreenKind::Form8},
    {.name = "Command4",
        .kind = CommandButton,
        .text = "Состав числа 9",
        .left = 2520,
        .top = 1800,
        .width = 5895,
        .height = 855,
        .font = TimesBold(3600),
        .tabIndex = 2,
        .role = Role::Open,
        .opens = ScreenKind::Form7},
    {.name = "Command6",
        .kind = CommandButton,
        .text = "Состав числа 10",
        .left = 2520,
        .top = 480,
        .width = 5895,
        .height = 855,
        .font = TimesBold(3600),
        .tabIndex = 1,
        .role = Role::Open,
        .opens = ScreenKind::Form3},
    {.name = "Command1",
        .kind = CommandButton,
        .text = "выход",
        .left = 12840,
        .top = 7680,
        .width = 1215,
        .height = 495,
        .font = TimesBold(1575),
        .tabIndex = 0,
        .role = Role::Exit},
};

} // namespace

constexpr ScreenLayout Form1 {.name = "Form1",
    .accessibleName = "Состав числа — меню",
    .background = palette::MenuGreen,
    .clientWidth = 10665,
    .clientHeight = 5595,
    .left = 4605,
    .top = 3990,
    .widgets = Widgets};

} // namespace sostav
