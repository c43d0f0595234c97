// The start-up floor: the least a Qt Widgets program can do to show a window like the
// menu. One window of the menu's size and colour with four bold serif buttons and nothing
// else; no icon, no resources, no fallback font list. The buttons sit where the menu's do,
// so a watcher can look at the same pixels on both windows.

#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);

    QWidget window;
    window.setWindowTitle(QStringLiteral("floor"));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(128, 255, 128));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.setGeometry(307, 266, 711, 373);

    struct Button {
        const char* text;
        QRect place;
        int pixelSize;
    };
    const Button buttons[] = {
        {"Состав числа 10", QRect(168, 32, 393, 57), 48},
        {"Состав числа 9", QRect(168, 120, 393, 57), 48},
        {"Состав числа 8", QRect(168, 208, 393, 57), 48},
        {"Повторение", QRect(232, 296, 273, 57), 37},
    };
    for (const Button& b : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(b.text), &window);
        QFont font(QStringLiteral("Times New Roman"));
        font.setStyleHint(QFont::Serif);
        font.setBold(true);
        font.setPixelSize(b.pixelSize);
        button->setFont(font);
        button->setGeometry(b.place);
    }

    window.show();
    return app.exec();
}
