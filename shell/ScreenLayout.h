#pragma once

#include "shell/Colour.h"
#include "shell/WidgetRow.h"

#include <span>
#include <string_view>

namespace sostav {

enum class Placement { StoredPosition, DesktopDefault };

// A whole screen as data: window attributes plus its widgets listed front to back.
struct ScreenLayout {
    std::string_view name; // also the window caption
    std::string_view accessibleName; // what the screen is, for people
    Colour background {};
    int clientWidth = 0; // twips
    int clientHeight = 0;
    int left = 0; // twips from the desktop's top-left corner, StoredPosition only
    int top = 0;
    Placement placement = Placement::StoredPosition;
    std::string_view resetText; // what the reset leaves in every answer box
    std::span<const WidgetRow> widgets;
};

} // namespace sostav
