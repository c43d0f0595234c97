#pragma once

#include "shell/ScreenKind.h"

#include <QObject>

#include <map>
#include <memory>

namespace sostav {

class Screen;
struct Launch;

// Holds the one instance of every screen. A screen is made the first time it is needed
// and then lives, hidden or shown, until the program ends.
class ScreenRegistry : public QObject {
    Q_OBJECT

public:
    // Makes the screen of a kind; the entry point is the one place that knows them all.
    using Factory = std::unique_ptr<Screen> (*)(ScreenKind kind);

    explicit ScreenRegistry(Factory factory);
    ~ScreenRegistry() override;

    // The screen of this kind, made now if it does not exist yet.
    Screen& obtain(ScreenKind kind);
    // The screen of this kind if it exists, without making it.
    Screen* existing(ScreenKind kind) const;

    // Hides `current`, then obtains and presents the target: no screen is on display while
    // a target is being made for the first time.
    void switchScreen(Screen& current, ScreenKind target);

    // Shows the menu: the program's start.
    void start();

    // Brings the screen on display to the front, activated, as it is, for a later start.
    void bringToFront(const Launch& launch);

    // Ends the program: every screen, shown or hidden, goes with it.
    void endProgram();

signals:
    void programEnded();
    // Any screen's verdict, as it is shown.
    void verdictShown(bool right);

private:
    Factory m_factory;
    std::map<ScreenKind, std::unique_ptr<Screen>> m_slots; // one slot a kind, filled when first needed
};

} // namespace sostav
