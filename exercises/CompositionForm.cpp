#include "exercises/CompositionForm.h"

#include "exercises/rules/AnswerTests.h"
#include "shell/ScreenLayout.h"
#include "shell/ScreenRegistry.h"

namespace sostav {

namespace {

using enum WidgetKind;

constexpr Colour Meadow = Rgb(192, 255, 192);
constexpr Colour Orange = Rgb(255, 128, 0);
constexpr Colour Grass = Rgb(0, 192, 0);

// The rows every composition screen has, in the same places, so that both tables
// can take them by reference.
constexpr WidgetRow Reset = {.name = "Command3",
    .kind = CommandButton,
    .text = "!",
    .left = 3720,
    .top = 4560,
    .width = 975,
    .height = 975,
    .font = TimesBold(3600),
    .tabIndex = 5,
    .accessibleName = "Стереть ответы"};
constexpr WidgetRow Check = {.name = "Command2",
    .kind = CommandButton,
    .text = "ПРОВЕРКА",
    .left = 240,
    .top = 4560,
    .width = 3135,
    .height = 975,
    .font = TimesBold(2175),
    .tabIndex = 4,
    .accessibleName = "Проверка"};

constexpr WidgetRow Back(int centiPoints, int tabIndex)
{
    return {.name = "Command1",
        .kind = CommandButton,
        .text = "<=",
        .left = 8640,
        .top = 4560,
        .width = 1695,
        .height = 975,
        .font = TimesBold(centiPoints),
        .tabIndex = tabIndex,
        .accessibleName = "Назад в меню"};
}

constexpr WidgetRow Box(const char* name, int left, int top, int tabIndex, const char* accessibleName)
{
    return {.name = name,
        .kind = TextBox,
        .left = left,
        .top = top,
        .width = 1695,
        .height = 1335,
        .font = TimesBold(5025),
        .back = Orange,
        .tabIndex = tabIndex,
        .accessibleName = accessibleName};
}

constexpr WidgetRow Smile(int left)
{
    return {.name = "Image2",
        .kind = Image,
        .text = "smile",
        .left = left,
        .top = 480,
        .width = 3180,
        .height = 3180,
        .visible = false,
        .accessibleName = "Весёлое лицо: верно!"};
}

constexpr WidgetRow Surprise(int left)
{
    return {.name = "Image1",
        .kind = Image,
        .text = "surprised",
        .left = left,
        .top = 480,
        .width = 3075,
        .height = 3195,
        .visible = false,
        .accessibleName = "Удивлённое лицо: подумай ещё"};
}

constexpr WidgetRow Stroke(const char* name, int x1, int y1, int x2, int y2, int width)
{
    return {.name = name,
        .kind = Line,
        .left = x1,
        .top = y1,
        .width = x2,
        .height = y2,
        .fore = Grass,
        .lineWidth = width};
}

constexpr WidgetRow Number(const char* digit, int left, int top, int width)
{
    return {.name = "Label1",
        .kind = Label,
        .text = digit,
        .left = left,
        .top = top,
        .width = width,
        .height = 1695,
        .font = TimesBold(7200),
        .back = Meadow,
        .fore = Orange,
        .tabIndex = 0};
}

// Boxes on top, the number below.
constexpr WidgetRow EightRows[] = {
    Reset,
    Check,
    Back(4800, 3),
    Box("Text2", 3480, 360, 2, "Второе слагаемое числа 8"),
    Box("Text1", 600, 360, 1, "Первое слагаемое числа 8"),
    Smile(6840),
    Surprise(6840),
    Stroke("Line2", 3120, 3360, 4200, 1920, 4),
    Stroke("Line1", 2400, 3240, 1440, 1920, 4),
    Number("8", 2400, 2880, 975),
};

// The number on top, the boxes below; the back button comes first in the tab order.
constexpr WidgetRow NineRows[] = {
    Reset,
    Check,
    Box("Text2", 3960, 2760, 3, "Второе слагаемое числа 9"),
    Box("Text1", 600, 2760, 2, "Первое слагаемое числа 9"),
    Back(4425, 1),
    Smile(6960),
    Surprise(7080),
    Stroke("Line2", 3480, 1560, 4440, 2640, 5),
    Stroke("Line1", 2640, 1560, 1800, 2640, 5),
    Number("9", 2760, 120, 855),
};

constexpr ScreenLayout layoutOf(std::string_view name, std::span<const WidgetRow> rows)
{
    return {.name = name,
        .background = Meadow,
        .clientWidth = 10665,
        .clientHeight = 5595,
        .left = 4650,
        .top = 3855,
        .widgets = rows};
}

constexpr ScreenLayout EightLayout = layoutOf("Form8", EightRows);
constexpr ScreenLayout NineLayout = layoutOf("Form7", NineRows);

} // namespace

CompositionForm::CompositionForm(ScreenRegistry& registry, ScreenKind kind)
    : Screen(kind == ScreenKind::Form8 ? EightLayout : NineLayout)
    , m_target(kind == ScreenKind::Form8 ? 8.0 : 9.0)
{
    onPress("Command2", [this] { check(); });
    onPress("Command3", [this] { reset(); });
    onPress("Command1", [this, &registry] { registry.switchScreen(*this, ScreenKind::Form1); });
}

void CompositionForm::check()
{
    // A pair that overflows is a wrong pair like any other: the child sees the surprised face.
    setShown(SumTest(answer("Text2"), answer("Text1"), m_target) ? "Image2" : "Image1", true);
}

void CompositionForm::reset()
{
    // One space, not empty: whatever the child types next is read around it.
    setAnswer("Text1", QStringLiteral(" "));
    setAnswer("Text2", QStringLiteral(" "));
    setShown("Image1", false);
    setShown("Image2", false);
}

} // namespace sostav
