#pragma once

#include <QStringList>

#include <array>
#include <optional>

namespace sostav::test {

// The five screens, named as the child's program names them.
enum class Form { Form1, Form3, Form6, Form7, Form8 };

inline constexpr std::array AllForms {Form::Form1, Form::Form3, Form::Form6, Form::Form7, Form::Form8};

// How a screen is put together, as far as anyone can see from outside.
struct FormShape {
    QString name;
    QStringList tabOrder; // the widgets that take the focus, lowest tab index first
    QStringList boxes; // the answer boxes, Text1 upwards
    QStringList inert; // widgets always in view that react to nothing
    QString rightMark, wrongMark; // the verdict indicators, shown after a check
    QString checkButton, resetButton; // empty on the menu
    QString resetText; // what the reset leaves in every box
    double target = 0; // the sum a composition screen asks for
    std::array<double, 13> expected {}; // the worksheet's answer key
};

// What can be seen of one screen, whether it is on display or hidden.
struct FormState {
    bool exists = false;
    QStringList texts; // in the order of FormShape::boxes
    bool right = false, wrong = false; // whether rightMark and wrongMark are visible
    int focus = 0; // index into FormShape::tabOrder
};

// How a typed piece goes into a box: over the whole text, after it or before it.
enum class Edit { Replace, Append, Prepend };

// A small reference model of the whole program, written without any of its code: which
// screens exist, which one is on display, every box's text, every verdict indicator, the
// focus, and the program's end.
class ProgramModel {
public:
    static const FormShape& shape(Form form);
    // A box's text read the way answers are read; std::nullopt beyond the double range.
    static std::optional<double> readAnswer(const QString& text);

    bool ended() const { return m_ended; }
    Form shown() const { return m_shown; }
    const FormState& state(Form form) const { return m_states[std::size_t(form)]; }
    QString focusName() const { return shape(m_shown).tabOrder.at(state(m_shown).focus); }
    bool focusIsBox() const { return shape(m_shown).boxes.contains(focusName()); }
    bool answersRight(Form form) const;

    // A press of a button of the screen on display; the focus stays where it is.
    void press(const QString& button);
    // A mouse click: a button or a box takes the focus, and a button is pressed.
    void click(const QString& widget);
    void tab(bool forward);
    void edit(const QString& box, Edit how, const QString& piece);
    // The frame's close button, which does what Command1 does.
    void closeWindow() { press(QStringLiteral("Command1")); }

private:
    FormState& current() { return m_states[std::size_t(m_shown)]; }
    void switchTo(Form target);

    // The program has just started: the menu alone exists and is on display.
    std::array<FormState, AllForms.size()> m_states {FormState {.exists = true}};
    Form m_shown = Form::Form1;
    bool m_ended = false;
};

} // namespace sostav::test
