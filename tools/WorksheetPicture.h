#pragma once

#include <QImage>

namespace sostav::draw {

// The review worksheet: the three number tables of exercises/WorksheetGrid.h on white. The
// screen's answer boxes lie over the blank cells, so every line falls on the exact pixel the grid
// names.
QImage drawWorksheet(int scale);

} // namespace sostav::draw
