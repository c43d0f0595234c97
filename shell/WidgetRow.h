#pragma once

#include "shell/Colour.h"
#include "shell/FontStyle.h"
#include "shell/Role.h"
#include "shell/ScreenKind.h"
#include "shell/Twips.h"

#include <string_view>

namespace sostav {

enum class WidgetKind { CommandButton, TextBox, Label, Image, Line };

// How a label lays out its caption. Almost every label is TopLeft (left-aligned from the
// top-left corner, broken between words, no border); the verdict words of the screen for 10
// are centred in their boxes so that each word stands squarely above its answer box.
enum class LabelAlign { TopLeft, Centred };

inline constexpr int NoTabIndex = -1;

// One widget of a screen, as it is designed. Positions are in twips: a place (left, top,
// width, height) for every kind but the line, which has its two end points instead.
struct WidgetRow {
    std::string_view name;
    WidgetKind kind = WidgetKind::Label;
    std::string_view text; // caption, or the name of an image's picture
    int left = 0;
    int top = 0;
    int width = 0; // an image's must be its picture's natural size
    int height = 0;
    int x1 = 0; // a line's end points
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    FontStyle font {};
    Colour back {};
    Colour fore {};
    bool visible = true;
    int tabIndex = NoTabIndex; // labels hold a place in the sequence without taking the focus
    int lineWidth = 1; // pixels, lines only
    LabelAlign align = LabelAlign::TopLeft;
    std::string_view accessibleName {}; // how assistive technology names the widget
    Role role = Role::None;
    int slot = 0; // where an answer box's text stands among the texts its screen's judge is handed
    ScreenKind opens = ScreenKind::Form1; // Role::Open only
};

} // namespace sostav
