#include "shell/DigitPad.h"

#include "shell/Fonts.h"
#include "shell/TextBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

#include <algorithm>

namespace sostav {

namespace {

// Logical pixels. A key is never smaller than a child's fingertip needs (60 square), and on
// a tall screen it grows only so far, so that the keys still read as one pad.
constexpr int KeyWidth = 72;
constexpr int KeyMinHeight = 64;
constexpr int KeyMaxHeight = 88;
constexpr int Gap = 6;
constexpr int Margin = 8;
constexpr int Columns = 3;
constexpr int Rows = 4;

constexpr int PadWidth = 2 * Margin + Columns * KeyWidth + (Columns - 1) * Gap;

int keysHeight(int keyHeight)
{
    return Rows * keyHeight + (Rows - 1) * Gap;
}

} // namespace

const QSize DigitPad::LeastSize(PadWidth, 2 * Margin + keysHeight(KeyMinHeight));

DigitPad::DigitPad(QWidget& window)
    : QWidget(&window)
{
    setObjectName(QStringLiteral("DigitPad"));
    setAccessibleName(QStringLiteral("цифры"));
    setFocusPolicy(Qt::NoFocus);
    // The desktop's own panel colour, not the screen's: the pad is a tray beside the screen,
    // not part of its design.
    QPalette tray = palette();
    tray.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    setPalette(tray);
    setAutoFillBackground(true);
    for (const char digit : {'1', '2', '3', '4', '5', '6', '7', '8', '9'}) {
        const QString text(QLatin1Char {digit});
        connect(addKey(text, text), &QAbstractButton::clicked, this,
            [this, text] { type(Qt::Key(text[0].unicode()), text); });
    }
    connect(addKey(QStringLiteral("←"), QStringLiteral("стереть")), &QAbstractButton::clicked, this,
        [this] { type(Qt::Key_Backspace, QString()); });
    connect(addKey(QStringLiteral("0"), QStringLiteral("0")), &QAbstractButton::clicked, this,
        [this] { type(Qt::Key_0, QStringLiteral("0")); });
    connect(addKey(QStringLiteral("▼"), QStringLiteral("убрать цифры")), &QAbstractButton::clicked, this,
        &DigitPad::putAwayTapped);
}

QPushButton* DigitPad::addKey(const QString& caption, const QString& name)
{
    auto* key = new QPushButton(caption, this);
    key->setAccessibleName(name);
    key->setFocusPolicy(Qt::NoFocus);
    key->setAutoDefault(false);
    // The digits in the screens' own type, as large as their "ПРОВЕРКА".
    key->setFont(fontFor(TimesBold(2775)));
    m_keys << key;
    return key;
}

void DigitPad::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int keyHeight = std::clamp((height() - 2 * Margin - (Rows - 1) * Gap) / Rows, KeyMinHeight, KeyMaxHeight);
    // Centred down the column, beside the middle of the screen where most answer boxes are.
    const int top = std::max(Margin, (height() - keysHeight(keyHeight)) / 2);
    for (int i = 0; i < int(m_keys.size()); ++i)
        m_keys[i]->setGeometry(
            Margin + i % Columns * (KeyWidth + Gap), top + i / Columns * (keyHeight + Gap), KeyWidth, keyHeight);
}

void DigitPad::type(Qt::Key key, const QString& text) const
{
    // Only an answer box is typed into: a button that holds the focus after a tap on it
    // takes no digits.
    auto* box = qobject_cast<TextBox*>(window()->focusWidget());
    if (!box)
        return;
    // Sent, not posted: the box has its digit before the next tap is taken. Sent events are
    // also how the touch watcher tells these keys from a keyboard's.
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(box, &press);
    QCoreApplication::sendEvent(box, &release);
}

} // namespace sostav
