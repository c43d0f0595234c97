#pragma once

#include "ProgramModel.h"

class QLineEdit;

namespace sostav::test {

// Puts text into a box from the keyboard: Ctrl+A to type over the whole text, End to
// type after it, Home to type before it, so that where the caret stood does not matter.
// Long texts are pasted instead of typed key by key.
void TypeInto(QLineEdit* box, Edit how, const QString& text);

} // namespace sostav::test
