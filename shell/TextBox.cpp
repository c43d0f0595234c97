#include "shell/TextBox.h"

#include <limits>

namespace sostav {

TextBox::TextBox(QWidget* parent)
    : QLineEdit(parent)
{
    // Qt caps a line edit at 32767 characters by default; answer boxes take any length.
    setMaxLength(std::numeric_limits<int>::max());
    setTextMargins(0, 0, 0, 0);
}

} // namespace sostav
