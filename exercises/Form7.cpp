#include "exercises/Form7.h"

#include "exercises/CompositionRows.h"

namespace sostav {

namespace {

using namespace composition;

// The back button comes first in the tab order.
constexpr WidgetRow Rows[] = {
    Reset,
    Check,
    box("Text2", 1, 3960, 2760, 3, "Второе слагаемое числа 9"),
    box("Text1", 0, 600, 2760, 2, "Первое слагаемое числа 9"),
    back(4425, 1),
    smile(6960),
    surprise(7080),
    stroke("Line2", 3480, 1560, 4440, 2640, 5),
    stroke("Line1", 2640, 1560, 1800, 2640, 5),
    number("9", 2760, 120, 855),
};

constexpr ScreenLayout Layout = layout("Form7", "Состав числа 9", Rows);

} // namespace

Form7::Form7()
    : CompositionForm(CheckedLayout(Layout, Purpose::Exercise), 9.0)
{
}

} // namespace sostav
