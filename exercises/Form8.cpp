#include "exercises/Form8.h"

#include "exercises/CompositionRows.h"
#include "exercises/Judging.h"

namespace sostav {

namespace {

using namespace composition;

constexpr WidgetRow Rows[] = {
    Reset,
    Check,
    backButton({.font = TimesBold(4800), .tabIndex = 3}),
    answerBox({.name = "Text2",
        .left = 3480,
        .top = 360,
        .tabIndex = 2,
        .accessibleName = "Второе слагаемое числа 8",
        .slot = 1}),
    answerBox({.name = "Text1",
        .left = 600,
        .top = 360,
        .tabIndex = 1,
        .accessibleName = "Первое слагаемое числа 8",
        .slot = 0}),
    smilingFace({.left = 6840}),
    surprisedFace({.left = 6840}),
    diagramLine({.name = "Line2", .x1 = 3120, .y1 = 3360, .x2 = 4200, .y2 = 1920, .lineWidth = 4}),
    diagramLine({.name = "Line1", .x1 = 2400, .y1 = 3240, .x2 = 1440, .y2 = 1920, .lineWidth = 4}),
    number({.text = "8", .left = 2400, .top = 2880, .width = 975}),
};

} // namespace

constexpr ScreenLayout Form8 = layout("Form8", "Состав числа 8", Rows, judgeCompositionOf<8>);

} // namespace sostav
