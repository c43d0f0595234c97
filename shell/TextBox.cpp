#include "shell/TextBox.h"

#include <limits>

namespace sostav {

TextBox::TextBox(QWidget* parent)
    : QLineEdit(parent)
{
    // Qt caps a line edit at 32767 characters by default; answer boxes take any length.
    setMaxLength(std::numeric_limits<int>::max());
    setTextMargins(0, 0, 0, 0);
    // An on-screen keyboard (a whiteboard's, a tablet's) offers digits first; any character
    // can still be typed, since whatever the child types is judged as it stands.
    setInputMethodHints(Qt::ImhPreferNumbers | Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase);
}

} // namespace sostav
