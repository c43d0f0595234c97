#include "ProgramDriver.h"

#include "ChildInput.h"
#include "ProgramComparison.h"

#include "shell/Screen.h"

#include <QAbstractButton>
#include <QApplication>
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

ProgramDriver::~ProgramDriver() = default;

void ProgramDriver::startProgram()
{
    m_registry.reset();
    QCoreApplication::processEvents();
    m_registry = std::make_unique<ScreenRegistry>();
    m_programEnded = false;
    QObject::connect(m_registry.get(), &ScreenRegistry::programEnded, [this] { m_programEnded = true; });
    m_registry->start();
    m_model = ProgramModel();
    ++m_runs;
    note(QStringLiteral("program starts"));
}

// The comparison after every step has made sure that the screen exists.
Screen& ProgramDriver::shownScreen() const
{
    return *m_registry->existing(KindOf(m_model.shown()));
}

QWidget* ProgramDriver::focused() const
{
    return shownScreen().focusWidget();
}

int ProgramDriver::pick(std::initializer_list<double> weights)
{
    std::discrete_distribution<int> choose(weights);
    return choose(m_random);
}

const CorpusText& ProgramDriver::randomPiece()
{
    const auto& corpus = AnswerCorpus();
    return corpus[std::uniform_int_distribution<std::size_t>(0, corpus.size() - 1)(m_random)];
}

// A helpful piece makes the screen's answer right, given what the other boxes hold.
const CorpusText& ProgramDriver::piece(bool helpful, const QString& box)
{
    if (!helpful)
        return randomPiece();
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
    if (fitting.empty())
        return randomPiece();
    return *fitting[std::uniform_int_distribution<std::size_t>(0, fitting.size() - 1)(m_random)];
}

void ProgramDriver::note(const QString& what)
{
    m_history.push_back(QStringLiteral("run %1, step %2, %3: %4")
                            .arg(m_runs)
                            .arg(m_steps)
                            .arg(ProgramModel::shape(m_model.shown()).name, what));
    if (m_history.size() > HistoryLength)
        m_history.pop_front();
}

QString ProgramDriver::history() const
{
    QStringList lines(m_history.begin(), m_history.end());
    return lines.join(u'\n');
}

std::optional<QString> ProgramDriver::step()
{
    ++m_steps;
    const bool menu = m_model.shown() == Form::Form1;
    // Buttons, keys, Tab, typing, answering every box, clicks on pictures and labels,
    // closing the window. The menu has nothing to type into.
    switch (menu ? pick({50, 20, 25, 0, 0, 2, 3}) : pick({22, 12, 14, 38, 5, 4, 5})) {
    case 0:
        clickButton();
        break;
    case 1:
        pressKey();
        break;
    case 2:
        tab();
        break;
    case 3:
        typeIntoBox();
        break;
    case 4:
        answerEveryBox();
        break;
    case 5:
        clickInert();
        break;
    default:
        closeWindow();
        break;
    }
    // Window activation, focus events and painting arrive through the event loop. They
    // are let in after a random share of the steps, so that keys and clicks meet active
    // and not yet active windows alike; painting after every step would only cost time.
    if (pick({7, 1}) == 1)
        QCoreApplication::processEvents();

    if (std::optional<QString> difference = compare())
        return difference;
    if (m_model.ended()) {
        startProgram();
        return compare();
    }
    return std::nullopt;
}

std::optional<QString> ProgramDriver::compare() const
{
    return DifferenceFromModel(*m_registry, m_programEnded, m_model);
}

void ProgramDriver::countCheck(const QString& button)
{
    const Form form = m_model.shown();
    if (form != Form::Form1 && button == ProgramModel::shape(form).checkButton)
        m_statistics.countCheck(form, m_model.answersRight(form));
}

void ProgramDriver::clickButton()
{
    const FormShape& shape = ProgramModel::shape(m_model.shown());
    QString name;
    if (m_model.shown() == Form::Form1) {
        // "выход" less often than the exercises, so that runs last a while.
        static const QStringList buttons {"Command1", "Command6", "Command4", "Command7", "Command8"};
        name = buttons[pick({1, 3, 3, 3, 3})];
    } else {
        const QStringList buttons {"Command1", shape.checkButton, shape.resetButton};
        name = buttons[pick({1, 3, 1})];
    }
    note(QStringLiteral("click %1").arg(name));
    countCheck(name);
    QTest::mouseClick(shownScreen().button(name.toLatin1().constData()), Qt::LeftButton);
    m_model.click(name);
}

void ProgramDriver::pressKey()
{
    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* name;
    };
    static constexpr Key Keys[] = {{Qt::Key_Space, Qt::NoModifier, "Space"}, {Qt::Key_Return, Qt::NoModifier, "Enter"},
        {Qt::Key_Enter, Qt::KeypadModifier, "keypad Enter"}, {Qt::Key_Escape, Qt::NoModifier, "Escape"}};
    const Key& key = Keys[pick({40, 30, 15, 15})];
    QWidget* target = focused();
    if (!target)
        return; // the comparison has already told
    const QString focus = m_model.focusName();
    note(QStringLiteral("%1 on %2").arg(QLatin1String(key.name), focus));
    if (m_model.focusIsBox() && key.key == Qt::Key_Space) {
        QTest::keyClick(target, Qt::Key_End);
        QTest::keyClick(target, Qt::Key_Space);
        m_model.edit(focus, Edit::Append, QStringLiteral(" "));
        return;
    }
    const bool presses = !m_model.focusIsBox() && key.key != Qt::Key_Escape;
    if (presses)
        countCheck(focus);
    QTest::keyClick(target, key.key, key.modifiers);
    if (presses)
        m_model.press(focus);
}

void ProgramDriver::tab()
{
    const bool forward = pick({3, 2}) == 0;
    note(forward ? QStringLiteral("Tab") : QStringLiteral("Shift+Tab"));
    if (QWidget* target = focused()) {
        if (forward)
            QTest::keyClick(target, Qt::Key_Tab);
        else
            QTest::keyClick(target, Qt::Key_Backtab, Qt::ShiftModifier);
    }
    m_model.tab(forward);
}

void ProgramDriver::typeIntoBox()
{
    const FormShape& shape = ProgramModel::shape(m_model.shown());
    const bool click = !m_model.focusIsBox() || pick({1, 1}) == 0;
    const QString box = click
        ? shape.boxes[std::uniform_int_distribution<qsizetype>(0, shape.boxes.size() - 1)(m_random)]
        : m_model.focusName();
    auto how = Edit(pick({55, 30, 15}));
    const CorpusText& text = piece(how == Edit::Replace && pick({1, 3}) == 0, box);
    const QString& before = m_model.state(m_model.shown()).texts[shape.boxes.indexOf(box)];
    if (before.size() + text.text.size() > LongestText)
        how = Edit::Replace;
    static const char* const Ways[] = {"over", "after", "before"};
    note(QStringLiteral("%1type %2 %3 the text of %4")
             .arg(click ? QStringLiteral("click and ") : QString(), quoted(text), QLatin1String(Ways[int(how)]), box));
    if (click) {
        QTest::mouseClick(shownScreen().textBox(box.toLatin1().constData()), Qt::LeftButton);
        m_model.click(box);
    }
    enter(box, how, text);
}

void ProgramDriver::answerEveryBox()
{
    const Form form = m_model.shown();
    QStringList typed;
    for (const QString& box : ProgramModel::shape(form).boxes) {
        // The worksheet is mostly answered right; a composition screen gets a random first
        // addend and, where the corpus has one, the second that makes the sum.
        const bool helpful = form == Form::Form6 ? pick({19, 1}) == 0 : box != QLatin1String("Text1");
        const CorpusText& text = piece(helpful, box);
        typed << QStringLiteral("%1 %2").arg(box, quoted(text));
        QTest::mouseClick(shownScreen().textBox(box.toLatin1().constData()), Qt::LeftButton);
        m_model.click(box);
        enter(box, Edit::Replace, text);
    }
    note(QStringLiteral("answer every box: %1").arg(typed.join(QStringLiteral(", "))));
}

void ProgramDriver::enter(const QString& box, Edit how, const CorpusText& text)
{
    QLineEdit* line = shownScreen().textBox(box.toLatin1().constData());
    TypeInto(line, how, text.text);
    m_model.edit(box, how, text.text);
    m_statistics.noteText(line->text().size());
}

void ProgramDriver::clickInert()
{
    const Form form = m_model.shown();
    const FormShape& shape = ProgramModel::shape(form);
    QStringList names = shape.inert;
    if (m_model.state(form).right)
        names << shape.rightMark;
    if (m_model.state(form).wrong)
        names << shape.wrongMark;
    names << QStringLiteral("background");
    const QString name = names[std::uniform_int_distribution<qsizetype>(0, names.size() - 1)(m_random)];
    note(QStringLiteral("click %1").arg(name));
    Screen& screen = shownScreen();
    if (name == QLatin1String("background"))
        QTest::mouseClick(&screen, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    else if (QWidget* widget = screen.widget(name.toLatin1().constData()))
        QTest::mouseClick(widget, Qt::LeftButton);
    m_model.click(name);
}

void ProgramDriver::closeWindow()
{
    note(QStringLiteral("close the window"));
    shownScreen().close();
    m_model.closeWindow();
}

} // namespace sostav::test
