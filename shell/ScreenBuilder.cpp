#include "shell/ScreenBuilder.h"

#include "shell/Accessibility.h"
#include "shell/CommandButton.h"
#include "shell/LayoutCheck.h"
#include "shell/QtText.h"
#include "shell/RowWidget.h"
#include "shell/ScreenLayout.h"
#include "shell/TextBox.h"
#include "shell/Twips.h"

#include <map>
#include <ranges>

namespace sostav {

namespace {

bool inFrontLayer(WidgetKind kind)
{
    return kind == WidgetKind::CommandButton || kind == WidgetKind::TextBox;
}

void hand(RoleHandles& roles, const WidgetRow& row, QWidget* w)
{
    auto* button = qobject_cast<CommandButton*>(w);
    switch (row.role) {
    case Role::None:
        break;
    case Role::Answer:
        if (roles.answers.size() <= std::size_t(row.slot))
            roles.answers.resize(std::size_t(row.slot) + 1);
        roles.answers[std::size_t(row.slot)] = qobject_cast<TextBox*>(w);
        break;
    case Role::Check:
        roles.check = button;
        break;
    case Role::Reset:
        roles.reset = button;
        break;
    case Role::Back:
        roles.back = button;
        break;
    case Role::Exit:
        roles.exit = button;
        break;
    case Role::Open:
        roles.links.emplace_back(button, row.opens);
        break;
    case Role::RightVerdict:
        roles.rightVerdict = w;
        break;
    case Role::WrongVerdict:
        roles.wrongVerdict = w;
        break;
    }
}

} // namespace

QRect designedClient(const ScreenLayout& layout)
{
    return QRect(QPoint(twipsToPixels(layout.left), twipsToPixels(layout.top)), clientSizeAt(layout, 1.0));
}

QSize clientSizeAt(const ScreenLayout& layout, double scale)
{
    return QSize(twipsToPixels(layout.clientWidth, scale), twipsToPixels(layout.clientHeight, scale));
}

RoleHandles buildScreen(QWidget& window, const ScreenLayout& layout, double scale, std::vector<BuiltWidget>& built)
{
    // A broken table is a programming mistake that no child should meet as a half-working
    // screen; every screen is built by the tests, which stop here with what is wrong.
    if (const std::string problem = layoutProblem(layout); !problem.empty())
        qFatal("broken screen table, %s", problem.c_str());
    window.setObjectName(toQString(layout.name));
    window.setWindowTitle(toQString(layout.name));
    window.setAccessibleName(toQString(layout.accessibleName));
    window.setAutoFillBackground(true);
    setColour(window, QPalette::Window, layout.background);
    // Only the size shrinks: where the window opens is a place on the desktop.
    const QRect client(designedClient(layout).topLeft(), clientSizeAt(layout, scale));
    if (layout.placement == Placement::StoredPosition)
        window.setGeometry(client);
    else
        window.resize(client.size());

    // Qt paints later siblings over earlier ones, so widgets are created back to front:
    // first the surface layer (labels, images, lines), then the front layer (buttons,
    // text boxes), each from the last row of the table to the first.
    RoleHandles roles;
    std::map<int, QWidget*> tabOrder;
    for (bool front : {false, true}) {
        for (const WidgetRow& row : std::views::reverse(layout.widgets)) {
            if (inFrontLayer(row.kind) != front)
                continue;
            QWidget* w = makeRowWidget(window, row);
            placeRowWidget(*w, row, scale);
            built.push_back({&row, w});
            hand(roles, row, w);
            if (front)
                tabOrder.emplace(row.tabIndex, w);
        }
    }

    QWidget* previous = nullptr;
    for (const auto& [index, w] : tabOrder) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        if (!roles.firstFocus && w->isVisibleTo(&window))
            roles.firstFocus = w;
        previous = w;
    }
    exposeToAssistiveTechnology(window, roles);
    return roles;
}

void placeAtScale(std::span<const BuiltWidget> built, double scale)
{
    for (const auto& [row, widget] : built)
        placeRowWidget(*widget, *row, scale);
}

} // namespace sostav
