#include "exercises/Form3.h"

#include "exercises/rules/AnswerTests.h"
#include "shell/ScreenLayout.h"
#include "shell/ScreenRegistry.h"

namespace sostav {

namespace {

using enum WidgetKind;

constexpr Colour Meadow = Rgb(192, 255, 192);

constexpr WidgetRow Widgets[] = {
    {.name = "Command3",
        .kind = CommandButton,
        .text = "!",
        .left = 3120,
        .top = 4560,
        .width = 735,
        .height = 855,
        .font = TimesBold(2025),
        .tabIndex = 7,
        .accessibleName = "Стереть ответы"},
    {.name = "Command2",
        .kind = CommandButton,
        .text = "ПРОВЕРКА",
        .left = 480,
        .top = 4560,
        .width = 2415,
        .height = 855,
        .font = TimesBold(2025),
        .tabIndex = 6,
        .accessibleName = "Проверка"},
    {.name = "Text2",
        .kind = TextBox,
        .left = 4920,
        .top = 2520,
        .width = 2415,
        .height = 1575,
        .font = ArialNormal(7200),
        .back = Rgb(255, 128, 0),
        .tabIndex = 3,
        .accessibleName = "Второе слагаемое"},
    {.name = "Text1",
        .kind = TextBox,
        .left = 600,
        .top = 2520,
        .width = 2415,
        .height = 1575,
        .font = ArialNormal(7200),
        .back = Rgb(255, 128, 0),
        .tabIndex = 2,
        .accessibleName = "Первое слагаемое"},
    {.name = "Command1",
        .kind = CommandButton,
        .text = "<=",
        .left = 9240,
        .top = 4560,
        .width = 1335,
        .height = 735,
        .font = SansSerifNormal(2400),
        .tabIndex = 1,
        .accessibleName = "Назад в меню"},
    {.name = "Label5",
        .kind = Label,
        .text = "ПОДУМАЙ",
        .left = 4920,
        .top = 1320,
        .width = 2415,
        .height = 615,
        .font = TimesBold(2025),
        .back = Rgb(128, 255, 128),
        .fore = Rgb(0, 0, 192),
        .visible = false,
        .tabIndex = 9,
        .align = LabelAlign::Centred},
    {.name = "Label4",
        .kind = Label,
        .text = "МОЛОДЕЦ",
        .left = 600,
        .top = 1320,
        .width = 2415,
        .height = 615,
        .font = TimesBold(2025),
        .back = Rgb(128, 255, 128),
        .fore = Rgb(255, 0, 0),
        .visible = false,
        .tabIndex = 8,
        .align = LabelAlign::Centred},
    {.name = "Label3",
        .kind = Label,
        .text = "=",
        .left = 7800,
        .top = 2520,
        .width = 1095,
        .height = 1455,
        .font = ArialNormal(7200),
        .back = Meadow,
        .tabIndex = 5},
    {.name = "Label2",
        .kind = Label,
        .text = "+",
        .left = 3600,
        .top = 2520,
        .width = 1095,
        .height = 1455,
        .font = ArialNormal(7200),
        .back = Meadow,
        .tabIndex = 4},
    {.name = "Image1",
        .kind = Image,
        .text = "ten",
        .left = 9120,
        .top = 2520,
        .width = 1665,
        .height = 1455,
        .accessibleName = "10"},
    {.name = "Label1",
        .kind = Label,
        .text = "Вставь пропущенные числа.",
        .left = 480,
        .top = 240,
        .width = 7575,
        .height = 855,
        .font = TimesBold(2775),
        .back = Meadow,
        .fore = Rgb(255, 128, 0),
        .tabIndex = 0},
};

constexpr ScreenLayout Layout {.name = "Form3",
    .background = Meadow,
    .clientWidth = 10860,
    .clientHeight = 5595,
    .left = 4650,
    .top = 3855,
    .widgets = Widgets};

constexpr double Target = 10.0;

} // namespace

Form3::Form3(ScreenRegistry& registry)
    : Screen(Layout)
{
    onPress("Command2", [this] { check(); });
    onPress("Command3", [this] { reset(); });
    onPress("Command1", [this, &registry] { registry.switchScreen(*this, ScreenKind::Form1); });
}

bool Form3::sumIsTen() const
{
    return SumTest(answer("Text2"), answer("Text1"), Target);
}

void Form3::check()
{
    // Two separate judgements of a fresh reading: each shows its own word, and a sum that
    // overflows is simply not ten.
    if (sumIsTen())
        setShown("Label4", true);
    if (!sumIsTen())
        setShown("Label5", true);
}

void Form3::reset()
{
    setShown("Label5", false);
    setAnswer("Text1", QString());
    setAnswer("Text2", QString());
    setShown("Label4", false);
}

} // namespace sostav
