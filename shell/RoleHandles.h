#pragma once

#include "shell/ScreenKind.h"

#include <utility>
#include <vector>

class QWidget;

namespace sostav {

class CommandButton;
class TextBox;

// The widgets of a screen by the part they play, handed over once when the screen is built.
struct RoleHandles {
    std::vector<TextBox*> answers; // by slot, as their texts are handed to the judge
    CommandButton* check = nullptr;
    CommandButton* reset = nullptr;
    CommandButton* back = nullptr;
    CommandButton* exit = nullptr;
    QWidget* rightVerdict = nullptr;
    QWidget* wrongVerdict = nullptr;
    std::vector<std::pair<CommandButton*, ScreenKind>> links; // menu buttons and where they lead
    QWidget* firstFocus = nullptr; // lowest tab index among what can take the focus
};

} // namespace sostav
