#pragma once

#include "shell/Colour.h"

#include <QPalette>

class QWidget;

namespace sostav {

struct WidgetRow;

// The widget one row of a screen's table describes, made as a child of `window` with the
// row's kind, text, colours, name and visibility, but not yet placed.
QWidget* makeRowWidget(QWidget& window, const WidgetRow& row);

// Places a row's widget as the row says, every size multiplied by `scale`: its place, its
// font, a line's ends and width, a picture smoothed to its size.
void placeRowWidget(QWidget& w, const WidgetRow& row, double scale);

// Sets one colour of a widget's palette, where the table gives one.
void setColour(QWidget& w, QPalette::ColorRole role, Colour c);

} // namespace sostav
