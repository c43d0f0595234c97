#pragma once

#include <QApplication>

namespace sostav {

// The program's application object. It stops any C++ exception at the event loop's edge:
// one stray failure in a click must not take a child's screens down with it.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Runs the program from the menu until "выход"; returns the exit status.
    int run();

    // True when Qt has a display to open windows on (or a platform was chosen explicitly).
    static bool displayAvailable();
    // The program's icon for its windows, built from the pictures embedded in the program.
    static QIcon builtInIcon();
    // Makes Qt's fatal start-up failures end the process with one line and status 1.
    static void installFatalHandler();
};

} // namespace sostav
