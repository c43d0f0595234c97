#pragma once

#include <QObject>
#include <QPointer>

#include <vector>

namespace sostav {

class DigitPad;
class Screen;
class TextBox;

// Typing with a finger alone. A tap from a touch screen into an answer box brings a digit
// pad into the screen's own window (on Wayland a program cannot place a window of its own,
// and a kiosk stretches every window over the screen); a mouse or a keyboard used in a box,
// the pad's own key, or leaving the screen puts it away. Nothing of the pad exists before
// the first touch.
//
// The screens have almost no free background, so the pad covers nothing of them: the window
// grows by a column on its right while the pad is shown (the screen shrinks evenly where that
// does not fit the desktop, the keys keeping their size), and gets its designed size and place
// back when the pad goes. A column rather than a strip below: desktops are wider than the
// screens' proportions, so beside a screen the pad mostly fits as it is, where below it would
// shrink the worksheet on a netbook far more; and keys in three columns are the telephone's.
class TouchTyping : public QObject {
public:
    TouchTyping(Screen& screen, const std::vector<TextBox*>& boxes);

    void putAway();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bringPad();
    void letDesktopKeyboards(bool allowed);

    Screen& m_screen;
    std::vector<TextBox*> m_boxes;
    QPointer<DigitPad> m_pad;
};

} // namespace sostav
