#include "exercises/Form6.h"

#include "exercises/rules/AnswerTests.h"
#include "shell/ScreenLayout.h"
#include "shell/ScreenRegistry.h"

#include <algorithm>

namespace sostav {

namespace {

using enum WidgetKind;

constexpr WidgetRow Box(const char* name, int left, int top, int tabIndex, const char* accessibleName)
{
    return {.name = name,
        .kind = TextBox,
        .left = left,
        .top = top,
        .width = 735,
        .height = 855,
        .font = TimesBold(3600),
        .back = Rgb(192, 0, 0),
        .tabIndex = tabIndex,
        .accessibleName = accessibleName};
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
        .accessibleName = "Проверка"},
    Box("Text13", 8640, 7560, 14, "Таблица числа 9, строка 4: сколько и 2"),
    Box("Text12", 9840, 6360, 13, "Таблица числа 9, строка 3: 4 и сколько"),
    Box("Text11", 8640, 5040, 12, "Таблица числа 9, строка 2: сколько и 3"),
    Box("Text10", 9840, 3840, 11, "Таблица числа 9, строка 1: 1 и сколько"),
    Box("Text9", 6000, 7680, 10, "Таблица числа 10, строка 5: 5 и сколько"),
    Box("Text8", 4800, 6360, 9, "Таблица числа 10, строка 4: сколько и 2"),
    Box("Text7", 6000, 5040, 8, "Таблица числа 10, строка 3: 4 и сколько"),
    Box("Text6", 4800, 3840, 7, "Таблица числа 10, строка 2: сколько и 1"),
    Box("Text5", 6000, 2520, 6, "Таблица числа 10, строка 1: 3 и сколько"),
    {.name = "Command2",
        .kind = CommandButton,
        .text = "!",
        .left = 13080,
        .top = 6480,
        .width = 1095,
        .height = 1215,
        .font = TimesBold(3600),
        .tabIndex = 5,
        .accessibleName = "Стереть ответы"},
    Box("Text4", 1200, 7680, 4, "Таблица числа 8, строка 4: сколько и 8"),
    Box("Text3", 2400, 6360, 3, "Таблица числа 8, строка 3: 6 и сколько"),
    Box("Text2", 1200, 5160, 2, "Таблица числа 8, строка 2: сколько и 7"),
    Box("Text1", 2400, 3840, 1, "Таблица числа 8, строка 1: 5 и сколько"),
    {.name = "Command1",
        .kind = CommandButton,
        .text = "<=",
        .left = 12720,
        .top = 8040,
        .width = 1455,
        .height = 855,
        .font = TimesBold(3600),
        .tabIndex = 0,
        .accessibleName = "Назад в меню"},
    {.name = "Label2",
        .kind = Label,
        .text = "ПОДУМАЙ",
        .left = 11520,
        .top = 720,
        .width = 2775,
        .height = 735,
        .font = TimesBold(2625),
        .fore = Rgb(0, 0, 128),
        .visible = false,
        .tabIndex = 17},
    {.name = "Label1",
        .kind = Label,
        .text = "ОТЛИЧНО",
        .left = 11520,
        .top = 720,
        .width = 2775,
        .height = 735,
        .font = TimesBold(2625),
        .fore = Rgb(255, 0, 0),
        .visible = false,
        .tabIndex = 16},
    {.name = "Image1",
        .kind = Image,
        .text = "worksheet",
        .left = 480,
        .top = 840,
        .width = 10725,
        .height = 8070,
        .accessibleName = "Таблицы состава чисел 8, 10 и 9"},
};

constexpr ScreenLayout Layout {.name = "Form6",
    .background = Rgb(192, 255, 192),
    .clientWidth = 14595,
    .clientHeight = 9165,
    .left = 60,
    .top = 450,
    .placement = Placement::DesktopDefault,
    .widgets = Widgets};

struct Answer {
    const char* box;
    double expected;
};

// What completes each row of the tables, from the top of the table of 8 to the bottom of 9.
constexpr Answer AnswerKey[] = {
    {"Text1", 3.0},
    {"Text2", 1.0},
    {"Text3", 2.0},
    {"Text4", 0.0},
    {"Text5", 7.0},
    {"Text6", 9.0},
    {"Text7", 6.0},
    {"Text8", 8.0},
    {"Text9", 5.0},
    {"Text10", 8.0},
    {"Text11", 6.0},
    {"Text12", 5.0},
    {"Text13", 7.0},
};

} // namespace

Form6::Form6(ScreenRegistry& registry)
    : Screen(Layout)
{
    onPress("Command3", [this] { check(); });
    onPress("Command2", [this] { reset(); });
    onPress("Command1", [this, &registry] { registry.switchScreen(*this, ScreenKind::Form1); });
}

void Form6::check()
{
    // Every box is read, even after a wrong one; the sheet gets one word and no box is marked.
    bool right = true;
    for (const Answer& answer : AnswerKey)
        right = ValueTest(this->answer(answer.box), answer.expected) && right;
    setShown(right ? "Label1" : "Label2", true);
}

void Form6::reset()
{
    for (const Answer& answer : AnswerKey)
        setAnswer(answer.box, QStringLiteral(" "));
    setShown("Label1", false);
    setShown("Label2", false);
}

} // namespace sostav
