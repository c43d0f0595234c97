#pragma once

class QWidget;

namespace sostav {

class Screen;
struct ScreenLayout;
struct WidgetRow;

// The one place where a screen's table turns into a window with widgets.
class ScreenBuilder {
public:
    static void build(Screen& screen, const ScreenLayout& layout);

private:
    static QWidget* makeWidget(Screen& screen, const WidgetRow& row);
};

} // namespace sostav
