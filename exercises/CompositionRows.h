#pragma once

#include "shell/Palette.h"
#include "shell/ScreenLayout.h"

// The rows the split diagrams of 8 and 9 share, in the same places on both screens.
namespace sostav::composition {

using enum WidgetKind;

inline constexpr WidgetRow Reset = {.name = "Command3",
    .kind = CommandButton,
    .text = "!",
    .left = 3720,
    .top = 4560,
    .width = 975,
    .height = 975,
    .font = TimesBold(3600),
    .tabIndex = 5,
    .role = Role::Reset};

inline constexpr WidgetRow Check = {.name = "Command2",
    .kind = CommandButton,
    .text = "ПРОВЕРКА",
    .left = 240,
    .top = 4560,
    .width = 3135,
    .height = 975,
    .font = TimesBold(2175),
    .tabIndex = 4,
    .role = Role::Check};

constexpr WidgetRow back(int centiPoints, int tabIndex)
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
        .role = Role::Back};
}

// The check reads the second box first; `slot` is the box's number less one.
constexpr WidgetRow box(const char* name, int slot, int left, int top, int tabIndex, const char* accessibleName)
{
    return {.name = name,
        .kind = TextBox,
        .left = left,
        .top = top,
        .width = 1695,
        .height = 1335,
        .font = TimesBold(5025),
        .back = palette::Orange,
        .tabIndex = tabIndex,
        .accessibleName = accessibleName,
        .role = Role::Answer,
        .slot = slot};
}

constexpr WidgetRow smile(int left)
{
    return {.name = "Image2",
        .kind = Image,
        .text = "smile",
        .left = left,
        .top = 480,
        .width = 3180,
        .height = 3180,
        .visible = false,
        .accessibleName = "Весёлое лицо: верно!",
        .role = Role::RightVerdict};
}

constexpr WidgetRow surprise(int left)
{
    return {.name = "Image1",
        .kind = Image,
        .text = "surprised",
        .left = left,
        .top = 480,
        .width = 3075,
        .height = 3195,
        .visible = false,
        .accessibleName = "Удивлённое лицо: подумай ещё",
        .role = Role::WrongVerdict};
}

constexpr WidgetRow stroke(const char* name, int x1, int y1, int x2, int y2, int width)
{
    return {.name = name,
        .kind = Line,
        .left = x1,
        .top = y1,
        .width = x2,
        .height = y2,
        .fore = palette::Grass,
        .lineWidth = width};
}

constexpr WidgetRow number(const char* digit, int left, int top, int width)
{
    return {.name = "Label1",
        .kind = Label,
        .text = digit,
        .left = left,
        .top = top,
        .width = width,
        .height = 1695,
        .font = TimesBold(7200),
        .back = palette::Meadow,
        .fore = palette::Orange,
        .tabIndex = 0};
}

constexpr ScreenLayout layout(std::string_view name, std::string_view accessibleName, std::span<const WidgetRow> rows)
{
    return {.name = name,
        .accessibleName = accessibleName,
        .background = palette::Meadow,
        .clientWidth = 10665,
        .clientHeight = 5595,
        .left = 4650,
        .top = 3855,
        .resetText = " ", // one space, not empty: whatever the child types next is read around it
        .widgets = rows};
}

} // namespace sostav::composition
