#include "exercises/Form7.h"

#include "exercises/CompositionRows.h"
#include "exercises/Judging.h"

namespace sostav {

namespace {

using namespace composition;

// The back button comes first in the tab order.
constexpr WidgetRow Rows[] = {
    Reset,
    Check,
    answerBox({.name = "Text2",
        .left = 3960,
        .top = 2760,
        .tabIndex = 3,
        .accessibleName = "Второе слагаемое числа 9",
        .slot = 1}),
    answerBox({.name = "Text1",
        .left = 600,
        .top = 2760,
        .tabIndex = 2,
        .accessibleName = "Первое слагаемое числа 9",
        .slot = 0}),
    backButton({.font = TimesBold(4425), .tabIndex = 1}),
    smilingFace({.left = 6960}),
    surprisedFace({.left = 7080}),
    diagramLine({.name = "Line2", .x1 = 3480, .y1 = 1560, .x2 = 4440, .y2 = 2640, .lineWidth = 5}),
    diagramLine({.name = "Line1", .x1 = 2640, .y1 = 1560, .x2 = 1800, .y2 = 2640, .lineWidth = 5}),
    number({.text = "9", .left = 2760, .top = 120, .width = 855}),
};

} // namespace

constexpr ScreenLayout Form7 = layout("Form7", "Состав числа 9", Rows, judgeCompositionOf<9>);

} // namespace sostav
