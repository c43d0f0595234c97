#pragma once

#include <QColor>

// Screens fix some colours and leave others to the desktop. A fixed colour meeting one the
// desktop gives can vanish under a dark scheme (light text on the screens' light green), so
// where the two meet, the desktop's colour gives way to the standard light scheme's when that
// stands out more.
namespace sostav {

// The contrast ratio of two opaque colours as the accessibility guidelines define it (WCAG):
// 1 for the same colour, 21 for black on white.
double contrastRatio(QColor a, QColor b);

// Text for a fixed background: the desktop's text colour or the standard dark text, whichever
// contrasts more with it (the desktop's on a tie, so a light scheme changes nothing).
QColor textOn(QColor background, QColor desktopText);

// A background behind fixed text: the desktop's or the standard light one, likewise.
QColor backgroundBehind(QColor text, QColor desktopBackground);

} // namespace sostav
