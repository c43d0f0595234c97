#include "ProgramDriver.h"

#include "ChildInput.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

#include <cmath>

namespace sostav::test {

namespace {

constexpr std::size_t HistoryLength = 20;
// Boxes are not allowed to grow without end: beyond this a piece replaces the text.
constexpr qsizetype LongestText = 6000;

QString quoted(const CorpusText& text)
{
    return text.text.size() <= 24 ? QStringLiteral("\"%1\"").arg(text.text)
                                  : QStringLiteral("<%1> (%2 characters)").arg(text.name).arg(text.text.size());
}

} // namespace

ProgramDriver::ProgramDriver(quint64 seed)
    : m_random(seed)
{
    startProgram();
}

void ProgramDriver::startProgram()
{
    m_registry.reset();
    QCoreApplication::processEvents();
    m_registry = std::make_unique<ScreenRegistry>(allScreens());
    m_programEnded = false;
    QObject::connect(m_registry.get(), &ScreenRegistry::programEnded, [this] { m_programEnded = true; });
    m_registry->start();
    m_model = ProgramModel();
    ++m_runs;
    note(QStringLiteral("program starts"));
}

// A helpful piece makes the screen's answer right, given what the other boxes hold.
const CorpusText& ProgramDriver::piece(bool helpful, const QString& box)
{
    const Form form = m_model.shown();
    const FormShape& shape = ProgramModel::shape(form);
    const qsizetype at = shape.boxes.indexOf(box);
    std::optional<double> other;
    if (form != Form::Form6)
        other = ProgramModel::readAnswer(m_model.state(form).texts[1 - at]);
    const std::vector<const CorpusText*> fitting = CorpusTextsWhere([&](double value) {
        return form == Form::Form6 ? value == shape.expected[at]
                                   : other && std::isfinite(value + *other) && value + *other == shape.target;
    });
    if (!helpful || fitting.empty())
        return AnswerCorpus()[anyIndex(qsizetype(AnswerCorpus().size()))];
    return *fitting[anyIndex(qsizetype(fitting.size()))];
}

void ProgramDriver::note(const QString& what)
{
    const QString& form = ProgramModel::shape(m_model.shown()).name;
    m_history.push_back(QStringLiteral("run %1, step %2, %3: %4").arg(m_runs).arg(m_steps).arg(form, what));
    if (m_history.size() > HistoryLength)
        m_history.pop_front();
}

std::optional<QString> ProgramDriver::step()
{
    ++m_steps;
    using Step = void (ProgramDriver::*)();
    static constexpr Step Steps[]
        = {&ProgramDriver::clickButton, &ProgramDriver::pressKey, &ProgramDriver::tab, &ProgramDriver::typeIntoBox,
            &ProgramDriver::answerEveryBox, &ProgramDriver::clickInert, &ProgramDriver::closeWindow};
    const bool menu = m_model.shown() == Form::Form1; // with nothing to type into
    (this->*Steps[menu ? pick({50, 20, 25, 0, 0, 2, 3}) : pick({22, 12, 14, 38, 5, 4, 5})])();
    // Window activation, focus events and painting arrive through the event loop. They
    // are let in after a random share of the steps, so that keys and clicks meet active
    // and not yet active windows alike; painting after every step would only cost time.
    if (pick({7, 1}) == 1)
        QCoreApplication::processEvents();

    if (std::optional<QString> difference = compare())
        return difference;
    if (!m_model.ended())
        return std::nullopt;
    startProgram();
    return compare();
}

void ProgramDriver::clickButton()
{
    const FormShape& shape = ProgramModel::shape(m_model.shown());
    // The menu's buttons are its tab order; "выход" comes less often than the exercises, so
    // that runs last a while.
    const QString name = m_model.shown() == Form::Form1
        ? shape.tabOrder[pick({1, 3, 3, 3, 3})]
        : QStringList {"Command1", shape.checkButton, shape.resetButton}[pick({1, 3, 1})];
    note(QStringLiteral("click %1").arg(name));
    m_statistics.countCheck(m_model, name);
    QTest::mouseClick(buttonOf(shownScreen(), name.toLatin1().constData()), Qt::LeftButton);
    m_model.click(name);
}

void ProgramDriver::pressKey()
{
    static const std::pair<QKeyCombination, const char*> Keys[] = {{Qt::Key_Space, "Space"}, {Qt::Key_Return, "Enter"},
        {Qt::KeypadModifier | Qt::Key_Enter, "keypad Enter"}, {Qt::Key_Escape, "Escape"}};
    const auto& [key, name] = Keys[pick({40, 30, 15, 15})];
    QWidget* target = shownScreen().focusWidget();
    if (!target)
        return; // the comparison has already told
    const QString focus = m_model.focusName();
    note(QStringLiteral("%1 on %2").arg(QLatin1String(name), focus));
    if (m_model.focusIsBox() && key.key() == Qt::Key_Space) {
        enter(focus, Edit::Append, QStringLiteral(" "), false); // after the text, wherever the caret stood
        return;
    }
    const bool presses = !m_model.focusIsBox() && key.key() != Qt::Key_Escape;
    if (presses)
        m_statistics.countCheck(m_model, focus);
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
    if (presses)
        m_model.press(focus);
}

void ProgramDriver::tab()
{
    const bool forward = pick({3, 2}) == 0;
    note(forward ? QStringLiteral("Tab") : QStringLiteral("Shift+Tab"));
    if (QWidget* target = shownScreen().focusWidget())
        QTest::keyClick(target, forward ? Qt::Key_Tab : Qt::Key_Backtab, forward ? Qt::NoModifier : Qt::ShiftModifier);
    m_model.tab(forward);
}

void ProgramDriver::typeIntoBox()
{
    const FormShape& shape = ProgramModel::shape(m_model.shown());
    const bool click = !m_model.focusIsBox() || pick({1, 1}) == 0;
    const QString box = click ? shape.boxes[anyIndex(shape.boxes.size())] : m_model.focusName();
    auto how = Edit(pick({55, 30, 15}));
    const CorpusText& text = piece(how == Edit::Replace && pick({1, 3}) == 0, box);
    if (m_model.state(m_model.shown()).texts[shape.boxes.indexOf(box)].size() + text.text.size() > LongestText)
        how = Edit::Replace;
    static const char* const Ways[] = {"over", "after", "before"};
    note(QStringLiteral("%1type %2 %3 the text of %4")
             .arg(click ? QStringLiteral("click and ") : QString(), quoted(text), QLatin1String(Ways[int(how)]), box));
    enter(box, how, text.text, click);
}

void ProgramDriver::answerEveryBox()
{
    const Form form = m_model.shown();
    QStringList typed;
    for (const QString& box : ProgramModel::shape(form).boxes) {
        // The worksheet is mostly answered right; a composition screen gets a random first
        // addend and, where the corpus has one, the second that makes the sum.
        const CorpusText& text = piece(form == Form::Form6 ? pick({19, 1}) == 0 : box != "Text1", box);
        typed << QStringLiteral("%1 %2").arg(box, quoted(text));
        enter(box, Edit::Replace, text.text, true);
    }
    note(QStringLiteral("answer every box: %1").arg(typed.join(QStringLiteral(", "))));
}

void ProgramDriver::enter(const QString& box, Edit how, const QString& text, bool click)
{
    QLineEdit* line = boxOf(shownScreen(), box.toLatin1().constData());
    if (click) {
        QTest::mouseClick(line, Qt::LeftButton);
        m_model.click(box);
    }
    TypeInto(line, how, text);
    m_model.edit(box, how, text);
    m_statistics.noteText(line->text().size());
}

void ProgramDriver::clickInert()
{
    const FormShape& shape = ProgramModel::shape(m_model.shown());
    const FormState& state = m_model.state(m_model.shown());
    QStringList names = shape.inert;
    if (state.right)
        names << shape.rightMark;
    if (state.wrong)
        names << shape.wrongMark;
    names << QStringLiteral("background"); // the screen itself, near its corner
    const QString name = names[anyIndex(names.size())];
    note(QStringLiteral("click %1").arg(name));
    QWidget* widget = widgetOf(shownScreen(), name.toLatin1().constData());
    QTest::mouseClick(widget ? widget : &shownScreen(), Qt::LeftButton, {}, widget ? QPoint() : QPoint(2, 2));
    m_model.click(name);
}

void ProgramDriver::closeWindow()
{
    note(QStringLiteral("close the window"));
    shownScreen().close();
    m_model.closeWindow();
}

} // namespace sostav::test
