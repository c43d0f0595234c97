#include "shell/LayoutCheck.h"

#include "shell/ScreenLayout.h"

#include <algorithm>
#include <vector>

namespace sostav {

namespace {

bool isButtonRole(Role role)
{
    return role == Role::Check || role == Role::Reset || role == Role::Back || role == Role::Open || role == Role::Exit;
}

std::string roleName(Role role)
{
    switch (role) {
    case Role::Check:
        return "check button";
    case Role::Reset:
        return "reset button";
    case Role::Back:
        return "back button";
    case Role::RightVerdict:
        return "right verdict";
    case Role::WrongVerdict:
        return "wrong verdict";
    case Role::Exit:
        return "exit button";
    default:
        return "button";
    }
}

// The rows holding each number 0, 1, 2, ... of a sequence that must run without gaps or
// repeats; names the first number held by no row or by more than one.
std::string sequenceProblem(const std::vector<std::pair<int, std::string_view>>& held, const std::string& what)
{
    for (int number = 0; number < int(held.size()); ++number) {
        std::string holders;
        int count = 0;
        for (const auto& [n, name] : held) {
            if (n == number)
                holders += (count++ ? " and " : "") + std::string(name);
        }
        if (count == 0)
            return what + " " + std::to_string(number) + " is held by no row: a gap";
        if (count > 1)
            return what + " " + std::to_string(number) + " is held by rows " + holders + ": a repeat";
    }
    return {};
}

std::string rowProblem(const WidgetRow& row)
{
    const bool takesPart = row.kind != WidgetKind::Image && row.kind != WidgetKind::Line;
    if (takesPart && row.tabIndex == NoTabIndex)
        return "a button, box or label needs a tab index";
    if (!takesPart && row.tabIndex != NoTabIndex)
        return "a picture or a line takes no tab index";
    if (row.role == Role::Answer && row.kind != WidgetKind::TextBox)
        return "an answer box must be a text box";
    if (isButtonRole(row.role) && row.kind != WidgetKind::CommandButton)
        return "a " + roleName(row.role) + " must be a command button";
    return {};
}

} // namespace

std::string layoutProblem(const ScreenLayout& layout)
{
    const std::string screen = "screen " + std::string(layout.name) + ": ";
    std::vector<std::pair<int, std::string_view>> tabs, slots;
    for (const WidgetRow& row : layout.widgets) {
        if (const std::string problem = rowProblem(row); !problem.empty())
            return screen + "row " + std::string(row.name) + ": " + problem;
        if (row.tabIndex != NoTabIndex)
            tabs.emplace_back(row.tabIndex, row.name);
        if (row.role == Role::Answer)
            slots.emplace_back(row.slot, row.name);
    }
    if (std::string problem = sequenceProblem(tabs, "tab index"); !problem.empty())
        return screen + problem;
    if (std::string problem = sequenceProblem(slots, "answer slot"); !problem.empty())
        return screen + problem;

    const auto count = [&layout](Role role) {
        return std::count_if(
            layout.widgets.begin(), layout.widgets.end(), [role](const WidgetRow& row) { return row.role == role; });
    };
    const auto once = [&](Role role) -> std::string {
        if (count(role) == 0)
            return screen + "no " + roleName(role);
        if (count(role) > 1)
            return screen + "more than one " + roleName(role);
        return {};
    };
    if (count(Role::Open) > 0 || count(Role::Exit) > 0)
        return once(Role::Exit);
    const bool exercise = count(Role::Answer) > 0 || count(Role::Check) > 0 || count(Role::Reset) > 0
        || count(Role::RightVerdict) > 0 || count(Role::WrongVerdict) > 0;
    if (!exercise)
        return {};
    if (count(Role::Answer) == 0)
        return screen + "no answer box";
    if (!layout.judge)
        return screen + "no judge for its answers";
    for (Role role : {Role::Check, Role::Reset, Role::Back, Role::RightVerdict, Role::WrongVerdict}) {
        if (std::string problem = once(role); !problem.empty())
            return problem;
    }
    return {};
}

} // namespace sostav
