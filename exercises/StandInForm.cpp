#include "exercises/StandInForm.h"

#include "shell/ScreenRegistry.h"
#include "shell/ScreenSpec.h"

#include <QAbstractButton>

namespace sostav {

namespace {

using enum WidgetKind;

constexpr WidgetRow Widgets[] = {
    {.name = "Command1",
        .kind = CommandButton,
        .text = "<=",
        .left = 8640,
        .top = 4560,
        .width = 1695,
        .height = 975,
        .font = TimesBold(4800),
        .tabIndex = 0},
};

constexpr ScreenSpec specFor(ScreenKind kind)
{
    switch (kind) {
    case ScreenKind::Form3:
        return {"Form3", Rgb(192, 255, 192), 10860, 5595, 4650, 3855, Placement::StoredPosition, Widgets};
    case ScreenKind::Form6:
        return {"Form6", Rgb(192, 255, 192), 14595, 9165, 60, 450, Placement::DesktopDefault, Widgets};
    case ScreenKind::Form7:
        return {"Form7", Rgb(192, 255, 192), 10665, 5595, 4650, 3855, Placement::StoredPosition, Widgets};
    case ScreenKind::Form1:
    case ScreenKind::Form8:
        break;
    }
    return {"Form8", Rgb(192, 255, 192), 10665, 5595, 4650, 3855, Placement::StoredPosition, Widgets};
}

} // namespace

StandInForm::StandInForm(ScreenRegistry& registry, ScreenKind kind)
    : Screen(specFor(kind))
{
    connect(button("Command1"), &QAbstractButton::clicked, this,
        [this, &registry] { registry.switchScreen(*this, ScreenKind::Form1); });
}

} // namespace sostav
