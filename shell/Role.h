#pragma once

namespace sostav {

// What a widget does on its screen. Screens act on roles, never on widget names: the same
// name plays different parts on different screens.
enum class Role {
    None,
    Answer, // a box the child types a number into
    Check,
    Reset,
    Back, // returns to the menu
    RightVerdict,
    WrongVerdict,
    Open, // a menu button that opens an exercise
    Exit, // ends the program
};

// How assistive technology names a button whose caption alone ("!", "<=") says little.
// Empty where the widget's own caption or row names it.
constexpr const char* accessibleNameOf(Role role)
{
    switch (role) {
    case Role::Check:
        return "Проверка";
    case Role::Reset:
        return "Стереть ответы";
    case Role::Back:
        return "Назад в меню";
    default:
        return "";
    }
}

} // namespace sostav
