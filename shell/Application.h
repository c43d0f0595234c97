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
};

} // namespace sostav
