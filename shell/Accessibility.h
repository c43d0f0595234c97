#pragma once

class QWidget;

namespace sostav {

struct RoleHandles;

// Shows a built screen to assistive technology the way a child should meet it: a frame
// named for what it is rather than "Form3", without its line drawings, whose verdicts a
// screen reader reads out the moment they appear, the focus staying where it was.
void exposeToAssistiveTechnology(QWidget& window, const RoleHandles& roles);

} // namespace sostav
