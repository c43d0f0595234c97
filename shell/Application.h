#pragma once

#include <QApplication>

namespace sostav {

// The program's application object: its name for the desktop, its icon, and Russian for
// Qt's own menus.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);
};

} // namespace sostav
