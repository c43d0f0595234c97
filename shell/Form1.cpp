#include "shell/Form1.h"

#include "shell/ScreenLayout.h"
#include "shell/ScreenRegistry.h"

#include <QAbstractButton>

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
        .tabIndex = 4},
    {.name = "Command7",
        .kind = CommandButton,
        .text = "Состав числа 8",
        .left = 2520,
        .top = 3120,
        .width = 5895,
        .height = 855,
        .font = TimesBold(3600),
        .tabIndex = 3},
    {.name = "Command4",
        .kind = CommandButton,
        .text = "Состав числа 9",
        .left = 2520,
        .top = 1800,
        .width = 5895,
        .height = 855,
        .font = TimesBold(3600),
        .tabIndex = 2},
    {.name = "Command6",
        .kind = CommandButton,
        .text = "Состав числа 10",
        .left = 2520,
        .top = 480,
        .width = 5895,
        .height = 855,
        .font = TimesBold(3600),
        .tabIndex = 1},
    {.name = "Command1",
        .kind = CommandButton,
        .text = "выход",
        .left = 12840,
        .top = 7680,
        .width = 1215,
        .height = 495,
        .font = TimesBold(1575),
        .tabIndex = 0},
};

constexpr ScreenLayout Layout {.name = "Form1",
    .background = Rgb(128, 255, 128),
    .clientWidth = 10665,
    .clientHeight = 5595,
    .left = 4605,
    .top = 3990,
    .widgets = Widgets};

} // namespace

Form1::Form1(ScreenRegistry& registry)
    : Screen(Layout)
{
    const auto route = [this, &registry](const char* name, ScreenKind target) {
        onPress(name, [this, &registry, target] { registry.switchScreen(*this, target); });
    };
    route("Command6", ScreenKind::Form3);
    route("Command4", ScreenKind::Form7);
    route("Command7", ScreenKind::Form8);
    route("Command8", ScreenKind::Form6);
    onPress("Command1", [&registry] { registry.endProgram(); });
}

} // namespace sostav
