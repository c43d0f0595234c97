#pragma once

#include "shell/Palette.h"
#include "shell/ScreenLayout.h"

// What the split diagrams of 8 and 9 share. Each helper takes a row holding what differs
// from screen to screen and fills in what every such row has.
namespace sostav::composition {

inline constexpr WidgetRow Reset = {.name = "Command3",
    .kind = WidgetKind::CommandButton,
    .text = "!",
    .left = 3720,
    .top = 4560,
    .width = 975,
    .height = 975,
    .font = TimesBold(3600),
    .tabIndex = 5,
    .role = Role::Reset};

inline constexpr WidgetRow Check = {.name = "Command2",
    .kind = WidgetKind::CommandButton,
    .text = "ПРОВЕРКА",
    .left = 240,
    .top = 4560,
    .width = 3135,
    .height = 975,
    .font = TimesBold(2175),
    .tabIndex = 4,
    .role = Role::Check};

// Given its font and tab index.
constexpr WidgetRow backButton(WidgetRow row)
{
    row.name = "Command1";
    row.kind = WidgetKind::CommandButton;
    row.text = "<=";
    row.left = 8640;
    row.top = 4560;
    row.width = 1695;
    row.height = 975;
    row.role = Role::Back;
    return row;
}

// Given its name, place, tab index, accessible name and slot: the first addend's box
// holds slot 0 and the second's slot 1, the places `judgeComposition` reads them from.
constexpr WidgetRow answerBox(WidgetRow row)
{
    row.kind = WidgetKind::TextBox;
    row.width = 1695;
    row.height = 1335;
    row.font = TimesBold(5025);
    row.back = palette::Orange;
    row.role = Role::Answer;
    return row;
}

// Given its left edge.
constexpr WidgetRow smilingFace(WidgetRow row)
{
    row.name = "Image2";
    row.kind = WidgetKind::Image;
    row.text = "smile";
    row.top = 480;
    row.width = 3180;
    row.height = 3180;
    row.visible = false;
    row.accessibleName = "Весёлое лицо: верно!";
    row.role = Role::RightVerdict;
    return row;
}

// Given its left edge.
constexpr WidgetRow surprisedFace(WidgetRow row)
{
    row.name = "Image1";
    row.kind = WidgetKind::Image;
    row.text = "surprised";
    row.top = 480;
    row.width = 3075;
    row.height = 3195;
    row.visible = false;
    row.accessibleName = "Удивлённое лицо: подумай ещё";
    row.role = Role::WrongVerdict;
    return row;
}

// Given its name, end points and width.
constexpr WidgetRow diagramLine(WidgetRow row)
{
    row.kind = WidgetKind::Line;
    row.fore = palette::Grass;
    return row;
}

// The number being split, given as its text, place and width.
constexpr WidgetRow number(WidgetRow row)
{
    row.name = "Label1";
    row.kind = WidgetKind::Label;
    row.height = 1695;
    row.font = TimesBold(7200);
    row.back = palette::Meadow;
    row.fore = palette::Orange;
    row.tabIndex = 0;
    return row;
}

constexpr ScreenLayout layout(
    std::string_view name, std::string_view accessibleName, std::span<const WidgetRow> rows, Judge judge)
{
    return {.name = name,
        .accessibleName = accessibleName,
        .background = palette::Meadow,
        .clientWidth = 10665,
        .clientHeight = 5595,
        .left = 4650,
        .top = 3855,
        .resetText = " ", // one space, not empty: whatever the child types next is read around it
        .widgets = rows,
        .judge = judge};
}

} // namespace sostav::composition
