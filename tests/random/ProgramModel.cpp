#include "ProgramModel.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace sostav::test {

namespace {

QStringList names(const char* kind, int from, int to)
{
    QStringList result;
    for (int i = from; i <= to; ++i)
        result << QStringLiteral("%1%2").arg(QLatin1String(kind)).arg(i);
    return result;
}

std::array<FormShape, AllForms.size()> makeShapes()
{
    const QStringList pair = names("Text", 1, 2);
    FormShape menu {.name = "Form1", .tabOrder = {"Command1", "Command6", "Command4", "Command7", "Command8"}};
    FormShape ten {.name = "Form3",
        .tabOrder = QStringList {"Command1"} + pair + QStringList {"Command2", "Command3"},
        .boxes = pair,
        .inert = {"Label1", "Label2", "Label3", "Image1"},
        .rightMark = "Label4",
        .wrongMark = "Label5",
        .checkButton = "Command2",
        .resetButton = "Command3",
        .resetText = "",
        .target = 10.0};
    FormShape nine = ten;
    nine.name = "Form7";
    nine.inert = QStringList {"Label1"};
    nine.rightMark = "Image2";
    nine.wrongMark = "Image1";
    nine.resetText = " ";
    nine.target = 9.0;
    FormShape eight = nine;
    eight.name = "Form8";
    eight.tabOrder = pair + QStringList {"Command1", "Command2", "Command3"};
    eight.target = 8.0;
    FormShape sheet {.name = "Form6",
        .tabOrder = QStringList {"Command1"} + names("Text", 1, 4) + QStringList {"Command2"} + names("Text", 5, 13)
            + QStringList {"Command3"},
        .boxes = names("Text", 1, 13),
        .inert = {"Image1"},
        .rightMark = "Label1",
        .wrongMark = "Label2",
        .checkButton = "Command3",
        .resetButton = "Command2",
        .resetText = " ",
        .expected = {3, 1, 2, 0, 7, 9, 6, 8, 5, 8, 6, 5, 7}};
    return {menu, ten, sheet, nine, eight};
}

} // namespace

const FormShape& ProgramModel::shape(Form form)
{
    static const auto shapes = makeShapes();
    return shapes[std::size_t(form)];
}

std::optional<double> ProgramModel::readAnswer(const QString& text)
{
    // Blanks never count, wherever they stand, so they go first; the number is then cut
    // from the front of what is left.
    static const QRegularExpression blanks("[ \t\n]"), radix("^&(?:[Hh]([0-9A-Fa-f]*)|[Oo]([0-7]*))"),
        decimal("^([+-]?)([0-9]*)(?:\\.([0-9]*))?(?:[EeDd]([+-]?)([0-9]*))?");
    const QString s = QString(text).remove(blanks);
    if (s.startsWith(u'&')) {
        const QRegularExpressionMatch m = radix.match(s);
        const QString digits = m.captured(1) + m.captured(2);
        bool fits = true;
        const qulonglong value = digits.isEmpty() ? 0 : digits.toULongLong(&fits, m.capturedLength(1) ? 16 : 8);
        if (!fits || value > 0xFFFF'FFFFu) // wider than 32 bits
            return std::nullopt;
        // 16 bits are read as a signed 16-bit integer, anything wider as a signed 32-bit one.
        return value <= 0xFFFF ? double(qint16(value)) : double(qint32(value));
    }
    const QRegularExpressionMatch m = decimal.match(s);
    const QString digits = m.captured(2) + m.captured(3);
    if (digits.isEmpty())
        return 0.0;
    long long exponent = 0;
    for (const QChar c : m.capturedView(5))
        exponent = std::min(exponent * 10 + c.digitValue(), 1'000'000'000'000LL);
    // One literal without a point, so that no locale interferes, converted with one correct rounding.
    const long long shift = (m.captured(4) == u"-" ? -exponent : exponent) - m.capturedLength(3);
    const QByteArray literal = (m.captured(1) + digits + u'e' + QString::number(shift)).toLatin1();
    const double value = std::strtod(literal.constData(), nullptr);
    return std::isinf(value) ? std::nullopt : std::optional(value);
}

bool ProgramModel::answersRight(Form form) const
{
    const QStringList& texts = state(form).texts;
    if (form == Form::Form6)
        return std::ranges::equal(
            texts, shape(form).expected, [](auto& text, double key) { return readAnswer(text) == key; });
    const std::optional<double> first = readAnswer(texts[0]), second = readAnswer(texts[1]);
    return first && second && std::isfinite(*first + *second) && *first + *second == shape(form).target;
}

void ProgramModel::press(const QString& button)
{
    const FormShape& s = shape(m_shown);
    if (m_shown == Form::Form1) {
        // In tab order: "выход", then the screens of 10, 9 and 8 and the worksheet.
        static const Form targets[] {Form::Form1, Form::Form3, Form::Form7, Form::Form8, Form::Form6};
        const qsizetype route = s.tabOrder.indexOf(button);
        m_ended = route == 0;
        if (route > 0)
            switchTo(targets[route]);
    } else if (button == QLatin1String("Command1")) {
        switchTo(Form::Form1);
    } else if (button == s.checkButton) {
        const bool right = answersRight(m_shown);
        current().right = right;
        current().wrong = !right;
    } else if (button == s.resetButton) {
        current().texts.fill(s.resetText);
        current().right = current().wrong = false;
    }
}

void ProgramModel::click(const QString& widget)
{
    const FormShape& s = shape(m_shown);
    const qsizetype focus = s.tabOrder.indexOf(widget);
    if (focus < 0)
        return;
    current().focus = int(focus);
    if (!s.boxes.contains(widget))
        press(widget);
}

void ProgramModel::tab(bool forward)
{
    const int count = int(shape(m_shown).tabOrder.size());
    current().focus = (current().focus + (forward ? 1 : count - 1)) % count;
}

void ProgramModel::edit(const QString& box, Edit how, const QString& piece)
{
    QString& text = current().texts[shape(m_shown).boxes.indexOf(box)];
    text = how == Edit::Replace ? piece : how == Edit::Append ? text + piece : piece + text;
}

void ProgramModel::switchTo(Form target)
{
    FormState& next = m_states[std::size_t(target)];
    if (!next.exists)
        next = FormState {.exists = true, .texts = QStringList(shape(target).boxes.size(), QString())};
    m_shown = target;
}

} // namespace sostav::test
