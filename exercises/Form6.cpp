#include "exercises/Form6.h"

#include "exercises/WorksheetGrid.h"
#include "exercises/rules/AnswerTests.h"
#include "shell/Palette.h"

namespace sostav {

namespace {

using enum WidgetKind;

// Each box lies over its blank cell of the worksheet picture; `slot` is its number less one.
constexpr WidgetRow box(const char* name, int slot, int tabIndex, const char* accessibleName)
{
    return {.name = name,
        .kind = TextBox,
        .left = worksheet::answerBox(slot).left,
        .top = worksheet::answerBox(slot).top,
        .width = worksheet::AnswerBoxWidth,
        .height = worksheet::AnswerBoxHeight,
        .font = TimesBold(3600),
        .back = palette::Cherry,
        .tabIndex = tabIndex,
        .accessibleName = accessibleName,
        .role = Role::Answer,
        .slot = slot};
}

constexpr WidgetRow Widgets[] = {
    {.name = "Command3",
        .kind = CommandButton,
        .text = "ПРОВЕРКА",
        .left = 11520,
        .top = 4200,
        .width = 2775,
        .height = 975,
        .font = TimesBold(2175),
        .tabIndex = 15,
        .role = Role::Check},
    box("Text13", 12, 14, "Таблица числа 9, строка 4: сколько и 2"),
    box("Text12", 11, 13, "Таблица числа 9, строка 3: 4 и сколько"),
    box("Text11", 10, 12, "Таблица числа 9, строка 2: сколько и 3"),
    box("Text10", 9, 11, "Таблица числа 9, строка 1: 1 и сколько"),
    box("Text9", 8, 10, "Таблица числа 10, строка 5: 5 и сколько"),
    box("Text8", 7, 9, "Таблица числа 10, строка 4: сколько и 2"),
    box("Text7", 6, 8, "Таблица числа 10, строка 3: 4 и сколько"),
    box("Text6", 5, 7, "Таблица числа 10, строка 2: сколько и 1"),
    box("Text5", 4, 6, "Таблица числа 10, строка 1: 3 и сколько"),
    {.name = "Command2",
        .kind = CommandButton,
        .text = "!",
        .left = 13080,
        .top = 6480,
        .width = 1095,
        .height = 1215,
        .font = TimesBold(3600),
        .tabIndex = 5,
        .role = Role::Reset},
    box("Text4", 3, 4, "Таблица числа 8, строка 4: сколько и 8"),
    box("Text3", 2, 3, "Таблица числа 8, строка 3: 6 и сколько"),
    box("Text2", 1, 2, "Таблица числа 8, строка 2: сколько и 7"),
    box("Text1", 0, 1, "Таблица числа 8, строка 1: 5 и сколько"),
    {.name = "Command1",
        .kind = CommandButton,
        .text = "<=",
        .left = 12720,
        .top = 8040,
        .width = 1455,
        .height = 855,
        .font = TimesBold(3600),
        .tabIndex = 0,
        .role = Role::Back},
    {.name = "Label2",
        .kind = Label,
        .text = "ПОДУМАЙ",
        .left = 11520,
        .top = 720,
        .width = 2775,
        .height = 735,
        .font = TimesBold(2625),
        .fore = palette::Navy,
        .visible = false,
        .tabIndex = 17,
        .role = Role::WrongVerdict},
    {.name = "Label1",
        .kind = Label,
        .text = "ОТЛИЧНО",
        .left = 11520,
        .top = 720,
        .width = 2775,
        .height = 735,
        .font = TimesBold(2625),
        .fore = palette::Red,
        .visible = false,
        .tabIndex = 16,
        .role = Role::RightVerdict},
    {.name = "Image1",
        .kind = Image,
        .text = "worksheet",
        .left = worksheet::PictureLeft,
        .top = worksheet::PictureTop,
        .width = worksheet::PictureWidthTwips,
        .height = worksheet::PictureHeightTwips,
        .accessibleName = "Таблицы состава чисел 8, 10 и 9"},
};

constexpr ScreenLayout Layout {.name = "Form6",
    .accessibleName = "Повторение: состав чисел 8, 9 и 10",
    .background = palette::Meadow,
    .clientWidth = 14595,
    .clientHeight = 9165,
    .placement = Placement::DesktopDefault,
    .resetText = " ",
    .widgets = Widgets};

} // namespace

Form6::Form6()
    : Screen(Layout)
{
}

bool Form6::judge() const
{
    // Every box is read, even after a wrong one; the sheet gets one word and no box is marked.
    bool right = true;
    // What completes a row is the table's number less the part printed beside the blank.
    for (int slot = 0; slot < worksheet::AnswerBoxCount; ++slot)
        right = valueTest(answer(std::size_t(slot)), worksheet::missingPart(slot)) && right;
    return right;
}

} // namespace sostav
