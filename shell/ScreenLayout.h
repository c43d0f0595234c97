#pragma once

#include "shell/Colour.h"
#include "shell/WidgetRow.h"

#include <span>
#include <string>
#include <string_view>

namespace sostav {

enum class Placement { StoredPosition, DesktopDefault };

// Whether a screen's answers are right, from the texts of its answer boxes (UTF-8) in slot
// order: a plain function, so that how an exercise judges is tested without a widget.
using Judge = bool (*)(std::span<const std::string> answers);

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
    Judge judge = nullptr; // a screen with answer boxes only
};

} // namespace sostav
