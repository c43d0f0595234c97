#pragma once

class QWidget;

namespace sostav {

struct Launch;

// Brings a shown window to the front with the keyboard focus, as it is, for a start that a
// launcher made: the desktop's focus-stealing prevention is asked with the launcher's own
// credentials, not with the program's last input, which is older than whatever the child
// typed into the window in front since.
void bringForward(QWidget& window, const Launch& launch);

} // namespace sostav
