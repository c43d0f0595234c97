#pragma once

class QApplication;

namespace sostav {

// Gives every window the drawn icon once the first window has been painted. Reading the
// icon's PNGs loads Qt's image plugins, which would otherwise hold up the first frame.
void setWindowIconAfterFirstPaint(QApplication& app);

} // namespace sostav
