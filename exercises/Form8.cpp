#include "exercises/Form8.h"

#include "exercises/CompositionRows.h"

namespace sostav {

namespace {

using namespace composition;

constexpr WidgetRow Rows[] = {
    Reset,
    Check,
    back(4800, 3),
    box("Text2", 1, 3480, 360, 2, "Второе слагаемое числа 8"),
    box("Text1", 0, 600, 360, 1, "Первое слагаемое числа 8"),
    smile(6840),
    surprise(6840),
    stroke("Line2", 3120, 3360, 4200, 1920, 4),
    stroke("Line1", 2400, 3240, 1440, 1920, 4),
    number("8", 2400, 2880, 975),
};

constexpr ScreenLayout Layout = layout("Form8", "Состав числа 8", Rows);

} // namespace

Form8::Form8()
    : CompositionForm(CheckedLayout(Layout, Purpose::Exercise), 8.0)
{
}

} // namespace sostav
