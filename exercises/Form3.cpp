#include "exercises/Form3.h"

#include "exercises/rules/AnswerTests.h"
#include "shell/CommandButton.h"
#include "shell/Palette.h"

namespace sostav {

namespace {

using enum WidgetKind;

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
        .role = Role::Reset},
    {.name = "Command2",
        .kind = CommandButton,
        .text = "ПРОВЕРКА",
        .left = 480,
        .top = 4560,
        .width = 2415,
        .height = 855,
        .font = TimesBold(2025),
        .tabIndex = 6,
        .role = Role::Check},
    {.name = "Text2",
        .kind = TextBox,
        .left = 4920,
        .top = 2520,
        .width = 2415,
        .height = 1575,
        .font = ArialNormal(7200),
        .back = palette::Orange,
        .tabIndex = 3,
        .accessibleName = "Второе слагаемое",
        .role = Role::Answer,
        .slot = 1},
    {.name = "Text1",
        .kind = TextBox,
        .left = 600,
        .top = 2520,
        .width = 2415,
        .height = 1575,
        .font = ArialNormal(7200),
        .back = palette::Orange,
        .tabIndex = 2,
        .accessibleName = "Первое слагаемое",
        .role = Role::Answer,
        .slot = 0},
    {.name = "Command1",
        .kind = CommandButton,
        .text = "<=",
        .left = 9240,
        .top = 4560,
        .width = 1335,
        .height = 735,
        .font = SansSerifNormal(2400),
        .tabIndex = 1,
        .role = Role::Back},
    {.name = "Label5",
        .kind = Label,
        .text = "ПОДУМАЙ",
        .left = 4920,
        .top = 1320,
        .width = 2415,
        .height = 615,
        .font = TimesBold(2025),
        .back = palette::MenuGreen,
        .fore = palette::Blue,
        .visible = false,
        .tabIndex = 9,
        .align = LabelAlign::Centred,
        .role = Role::WrongVerdict},
    {.name = "Label4",
        .kind = Label,
        .text = "МОЛОДЕЦ",
        .left = 600,
        .top = 1320,
        .width = 2415,
        .height = 615,
        .font = TimesBold(2025),
        .back = palette::MenuGreen,
        .fore = palette::Red,
        .visible = false,
        .tabIndex = 8,
        .align = LabelAlign::Centred,
        .role = Role::RightVerdict},
    {.name = "Label3",
        .kind = Label,
        .text = "=",
        .left = 7800,
        .top = 2520,
        .width = 1095,
        .height = 1455,
        .font = ArialNormal(7200),
        .back = palette::Meadow,
        .tabIndex = 5},
    {.name = "Label2",
        .kind = Label,
        .text = "+",
        .left = 3600,
        .top = 2520,
        .width = 1095,
        .height = 1455,
        .font = ArialNormal(7200),
        .back = palette::Meadow,
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
        .back = palette::Meadow,
        .fore = palette::Orange,
        .tabIndex = 0},
};

constexpr ScreenLayout Layout {.name = "Form3",
    .accessibleName = "Состав числа 10",
    .background = palette::Meadow,
    .clientWidth = 10860,
    .clientHeight = 5595,
    .left = 4650,
    .top = 3855,
    .widgets = Widgets};

constexpr double Target = 10.0;

} // namespace

Form3::Form3()
    : Screen(CheckedLayout(Layout, Purpose::Exercise))
{
    connect(roles().check, &QAbstractButton::clicked, this, &Form3::check);
    connect(roles().reset, &QAbstractButton::clicked, this, &Form3::reset);
}

void Form3::check()
{
    // A sum that overflows is simply not ten.
    showVerdict(sumTest(answer(1), answer(0), Target));
}

void Form3::reset()
{
    // Empty, unlike the other screens' single space: the first character typed is the whole text.
    setAnswers(QString());
    hideVerdicts();
}

} // namespace sostav
