#pragma once

#include "shell/RoleHandles.h"

#include <QRect>

#include <span>
#include <vector>

class QWidget;

namespace sostav {

struct ScreenLayout;
struct WidgetRow;

// A widget as built from its row of a screen's table, kept to be placed anew.
struct BuiltWidget {
    const WidgetRow* row;
    QWidget* widget;
};

// Where and how large the screen's client area is designed to open, in logical pixels.
QRect designedClient(const ScreenLayout& layout);

// The client size a screen's table takes when shrunk by `scale`, in logical pixels.
QSize clientSizeAt(const ScreenLayout& layout, double scale);

// The one place where a screen's table turns into a window with widgets, every size
// multiplied by `scale` (1: exactly as designed). Returns the widgets that carry roles, and
// adds every widget with its row to `built`.
RoleHandles buildScreen(QWidget& window, const ScreenLayout& layout, double scale, std::vector<BuiltWidget>& built);

// Places widgets built at one scale as they would have been built at `scale`: places, font
// sizes, line widths, and pictures smoothed anew from the drawn ones. The window's size is
// the caller's to set; what was typed, what shows and where the focus is stay as they are.
void placeAtScale(std::span<const BuiltWidget> built, double scale);

} // namespace sostav
