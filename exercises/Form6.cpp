#include "exercises/Form6.h"

#include "exercises/Judging.h"
#include "exercises/WorksheetGrid.h"
#include "shell/Palette.h"

#include <array>
#include <string_view>

namespace sostav {

namespace {

using enum WidgetKind;

// What assistive technology calls a box: its table, its row and the part printed beside it,
// "Таблица числа 8, строка 1: 5 и сколько", made from the grid the picture is drawn from.
struct BoxName {
    char text[80] {};
    std::size_t size = 0;

    constexpr void add(std::string_view part)
    {
        for (char c : part)
            text[size++] = c;
    }
    constexpr void add(int number)
    {
        if (number >= 10)
            add(number / 10);
        text[size++] = char('0' + number % 10);
    }
    constexpr std::string_view view() const { return {text, size}; }
};

constexpr BoxName boxName(int slot)
{
    const worksheet::CellPlace place = worksheet::answerCell(slot);
    const worksheet::NumberTable& table = worksheet::Tables[place.table];
    BoxName name;
    name.add("Таблица числа ");
    name.add(table.heading);
    name.add(", строка ");
    name.add(place.row + 1);
    name.add(": ");
    if (table.rows[place.row].blank == worksheet::Column::Left) {
        name.add("сколько и ");
        name.add(table.rows[place.row].printed);
    } else {
        name.add(table.rows[place.row].printed);
        name.add(" и сколько");
    }
    return name;
}

constexpr auto BoxNames = [] {
    std::array<BoxName, worksheet::AnswerBoxCount> names;
    for (int slot = 0; slot < worksheet::AnswerBoxCount; ++slot)
        names[std::size_t(slot)] = boxName(slot);
    return names;
}();
// How a screen reader reads a row whose blank is on the right, and one whose blank is on the left.
static_assert(BoxNames[0].view() == "Таблица числа 8, строка 1: 5 и сколько");
static_assert(BoxNames[12].view() == "Таблица числа 9, строка 4: сколько и 2");

// Each box lies over its blank cell of the worksheet picture; its slot is its place in the grid.
constexpr WidgetRow box(const char* name, int slot, int tabIndex)
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
        .accessibleName = BoxNames[std::size_t(slot)].view(),
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
    box("Text13", 12, 14),
    box("Text12", 11, 13),
    box("Text11", 10, 12),
    box("Text10", 9, 11),
    box("Text9", 8, 10),
    box("Text8", 7, 9),
    box("Text7", 6, 8),
    box("Text6", 5, 7),
    box("Text5", 4, 6),
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
    box("Text4", 3, 4),
    box("Text3", 2, 3),
    box("Text2", 1, 2),
    box("Text1", 0, 1),
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

} // namespace

constexpr ScreenLayout Form6 {.name = "Form6",
    .accessibleName = "Повторение: состав чисел 8, 9 и 10",
    .background = palette::Meadow,
    .clientWidth = 14595,
    .clientHeight = 9165,
    .placement = Placement::DesktopDefault,
    .resetText = " ",
    .widgets = Widgets,
    .judge = judgeWorksheet};

} // namespace sostav
