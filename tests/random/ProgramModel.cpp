#include "ProgramModel.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

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

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

int digitValue(char16_t c)
{
    if (isDigit(c))
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

} // namespace

const FormShape& ProgramModel::shape(Form form)
{
    static const auto shapes = makeShapes();
    return shapes[index(form)];
}

std::optional<double> ProgramModel::readAnswer(const QString& text)
{
    // Blanks never count, wherever they stand, so they go first.
    std::u16string s;
    for (QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n')
            s += c.unicode();
    }
    std::size_t i = 0;
    const auto at = [&s](std::size_t k) { return k < s.size() ? s[k] : u'\0'; };

    if (at(0) == u'&') {
        const char16_t letter = at(1);
        const int base = (letter == u'H' || letter == u'h') ? 16 : (letter == u'O' || letter == u'o') ? 8 : 0;
        if (base == 0)
            return 0.0;
        std::uint64_t value = 0;
        for (i = 2; digitValue(at(i)) >= 0 && digitValue(at(i)) < base; ++i) {
            value = value * base + digitValue(at(i));
            if (value > 0xFFFF'FFFFu) // wider than 32 bits
                return std::nullopt;
        }
        // 16 bits are read as a signed 16-bit integer, anything wider as a signed 32-bit one.
        return value <= 0xFFFF ? double(std::int16_t(value)) : double(std::int32_t(value));
    }

    // Sign, digits, point, digits, exponent: gathered into a literal that the C library
    // converts with one correct rounding. No point is written, so no locale can interfere.
    std::string literal;
    if (at(i) == u'+' || at(i) == u'-')
        literal += char(at(i++));
    std::string digits;
    long long shift = 0;
    for (; isDigit(at(i)); ++i)
        digits += char(at(i));
    if (at(i) == u'.') {
        for (++i; isDigit(at(i)); ++i, --shift)
            digits += char(at(i));
    }
    if (digits.empty())
        return 0.0;
    const char16_t letter = at(i);
    if (letter == u'E' || letter == u'e' || letter == u'D' || letter == u'd') {
        ++i;
        const bool negative = at(i) == u'-';
        if (at(i) == u'+' || at(i) == u'-')
            ++i;
        long long exponent = 0;
        for (; isDigit(at(i)); ++i)
            exponent = std::min(exponent * 10 + (at(i) - u'0'), 1'000'000'000'000LL);
        shift += negative ? -exponent : exponent;
    }
    literal += digits + "e" + std::to_string(shift);
    const double value = std::strtod(literal.c_str(), nullptr);
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

ProgramModel::ProgramModel()
{
    switchTo(Form::Form1);
}

QString ProgramModel::focusName() const
{
    return shape(m_shown).tabOrder.at(state(m_shown).focus);
}

bool ProgramModel::focusIsBox() const
{
    return shape(m_shown).boxes.contains(focusName());
}

bool ProgramModel::answersRight(Form form) const
{
    const FormShape& s = shape(form);
    const QStringList& texts = state(form).texts;
    if (form == Form::Form6) {
        for (int i = 0; i < texts.size(); ++i) {
            const std::optional<double> value = readAnswer(texts[i]);
            if (!value || *value != s.expected[i])
                return false;
        }
        return true;
    }
    const std::optional<double> first = readAnswer(texts[0]);
    const std::optional<double> second = readAnswer(texts[1]);
    if (!first || !second)
        return false;
    const double sum = *first + *second;
    return std::isfinite(sum) && sum == s.target;
}

void ProgramModel::press(const QString& button)
{
    const FormShape& s = shape(m_shown);
    if (m_shown == Form::Form1) {
        static const QStringList routes {"Command6", "Command4", "Command7", "Command8"};
        static const Form targets[] {Form::Form3, Form::Form7, Form::Form8, Form::Form6};
        if (button == QLatin1String("Command1"))
            m_ended = true;
        else if (const qsizetype route = routes.indexOf(button); route >= 0)
            switchTo(targets[route]);
    } else if (button == QLatin1String("Command1")) {
        switchTo(Form::Form1);
    } else if (button == s.checkButton) {
        check();
    } else if (button == s.resetButton) {
        reset();
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
    switch (how) {
    case Edit::Replace:
        text = piece;
        break;
    case Edit::Append:
        text += piece;
        break;
    case Edit::Prepend:
        text.prepend(piece);
        break;
    }
}

void ProgramModel::switchTo(Form target)
{
    FormState& next = m_states[index(target)];
    if (!next.exists)
        next = FormState {.exists = true, .texts = QStringList(shape(target).boxes.size(), QString())};
    m_shown = target;
}

void ProgramModel::check()
{
    if (answersRight(m_shown))
        current().right = true;
    else
        current().wrong = true;
}

void ProgramModel::reset()
{
    current().texts.fill(shape(m_shown).resetText);
    current().right = false;
    current().wrong = false;
}

} // namespace sostav::test
