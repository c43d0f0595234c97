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

// What a screen is for decides which roles its table must hold.
enum class Purpose { Plain, Menu, Exercise };

constexpr int rowsWith(std::span<const WidgetRow> rows, Role role)
{
    int n = 0;
    for (const WidgetRow& row : rows)
        n += row.role == role ? 1 : 0;
    return n;
}

// Why a table cannot make a working screen; empty when it can.
constexpr std::string_view layoutProblem(const ScreenLayout& layout, Purpose purpose)
{
    const auto count = [&layout](Role role) { return rowsWith(layout.widgets, role); };
    // Tab indexes run 0, 1, 2, ... over buttons, boxes and labels, without gaps or repeats.
    int indexed = 0;
    for (const WidgetRow& row : layout.widgets) {
        const bool takesPart = row.kind != WidgetKind::Image && row.kind != WidgetKind::Line;
        if (takesPart != (row.tabIndex != NoTabIndex))
            return "a button, box or label without a tab index, or a picture or line with one";
        indexed += takesPart ? 1 : 0;
    }
    for (int index = 0; index < indexed; ++index) {
        int holders = 0;
        for (const WidgetRow& row : layout.widgets)
            holders += row.tabIndex == index ? 1 : 0;
        if (holders != 1)
            return "tab indexes repeat or leave a gap";
    }
    const int answers = count(Role::Answer);
    for (int slot = 0; slot < answers; ++slot) {
        int holders = 0;
        for (const WidgetRow& row : layout.widgets)
            holders += row.role == Role::Answer && row.slot == slot ? 1 : 0;
        if (holders != 1)
            return "answer slots repeat or leave a gap";
    }
    for (const WidgetRow& row : layout.widgets) {
        if (row.role == Role::Answer && row.kind != WidgetKind::TextBox)
            return "an answer that is not a text box";
        const bool button = row.role == Role::Check || row.role == Role::Reset || row.role == Role::Back
            || row.role == Role::Open || row.role == Role::Exit;
        if (button && row.kind != WidgetKind::CommandButton)
            return "a button role on a widget that is not a command button";
    }
    switch (purpose) {
    case Purpose::Plain:
        return {};
    case Purpose::Menu:
        return count(Role::Exit) == 1 ? std::string_view {} : "a menu needs exactly one exit";
    case Purpose::Exercise:
        break;
    }
    if (answers == 0)
        return "an exercise without answer boxes";
    for (Role role : {Role::Check, Role::Reset, Role::Back, Role::RightVerdict, Role::WrongVerdict}) {
        if (count(role) != 1)
            return "an exercise needs exactly one check, reset, back and each verdict";
    }
    return {};
}

// A layout that was found complete while compiling: a screen built from it never meets a
// missing role later.
class CheckedLayout {
public:
    consteval CheckedLayout(const ScreenLayout& layout, Purpose purpose)
        : m_layout(&layout)
    {
        if (!layoutProblem(layout, purpose).empty())
            throw "incomplete screen table"; // a compile error, since this runs only while compiling
    }

    const ScreenLayout& operator*() const { return *m_layout; }
    const ScreenLayout* operator->() const { return m_layout; }

private:
    const ScreenLayout* m_layout;
};

} // namespace sostav
