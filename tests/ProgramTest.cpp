// The program's own application object, what assistive technology is told, and the screens
// on a display of any density (ctest runs this at scale 1 and 2).
#include "TestSupport.h"

#include "shell/Application.h"

#include <QAccessible>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QTimer>

#include <stdexcept>

using namespace sostav;
using namespace sostav::test;

namespace {

// The committed picture a shown one is drawn from: no two are drawn at one size, and each
// twin for dense displays is twice its picture's size. A shrunk one is the smallest larger
// picture of its shape, smoothed down.
QImage assetSized(QSize size)
{
    QImage source;
    for (const QFileInfo& file : QDir(QStringLiteral(SOSTAV_ASSETS)).entryInfoList({QStringLiteral("*.jpg")})) {
        const QSize drawn = QImageReader(file.filePath()).size();
        const bool shape = std::abs(drawn.width() * size.height() - drawn.height() * size.width()) <= drawn.width();
        if (drawn == size
            || (shape && drawn.width() > size.width() && (source.isNull() || drawn.width() < source.width())))
            source = QImage(file.filePath());
        if (drawn == size)
            break;
    }
    return source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
}

} // namespace

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { muteOffscreenRaise(); }

    void windowIconIsTheDrawnIcon()
    {
        Program program;
        QTRY_VERIFY(!program.menu().windowIcon().isNull());
        for (int size : {16, 32, 48, 64}) {
            const QImage shown = program.menu().windowIcon().pixmap(QSize(size, size), 1.0).toImage();
            const QImage drawn(QStringLiteral(SOSTAV_ASSETS "/icon-%1.png").arg(size));
            QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        }
    }

    void qtSpeaksRussian()
    {
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Copy"), QStringLiteral("&Копировать"));
    }

    // Every window and everything a child can reach or see is named in Russian, the
    // diagrams' lines (drawing, not content) left out; and a display twice as dense shows
    // every screen twice as large, with the pictures drawn for it, pixel for pixel, also
    // where a small one shrinks them.
    void everyScreen()
    {
        Program program;
        const QRegularExpression russian(QStringLiteral("[а-яА-ЯёЁ]{2,}"));
        const int scale = qRound(qApp->devicePixelRatio());
        const auto links = program.menu().roles().links; // the menu, then where it leads
        for (std::size_t i = 0; i <= links.size(); ++i) {
            Screen& screen = i == 0 ? program.menu() : program.open(links[i - 1].second);
            QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(&screen);
            QCOMPARE(frame->role(), QAccessible::Window); // what screen readers announce a window by
            QVERIFY2(frame->text(QAccessible::Name).contains(russian), qPrintable(screen.objectName()));
            QSet<QString> names;
            QList<QLabel*> images;
            for (QWidget* w : screen.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
                const QString name = face->text(QAccessible::Name);
                if (w->objectName().startsWith("Line"))
                    QCOMPARE(frame->indexOfChild(face), -1);
                // Orca reads a notification out the moment it comes into view; an alert event
                // never reaches it.
                if (!w->isVisibleTo(&screen))
                    QCOMPARE(face->role(), QAccessible::Notification);
                else if (w->focusPolicy() != Qt::NoFocus || w->objectName().startsWith("Image"))
                    QVERIFY2(name.contains(russian) || name == "10", qPrintable(w->objectName() + ": " + name));
                if (w->focusPolicy() != Qt::NoFocus)
                    QVERIFY2(!names.contains(name), qPrintable(name)); // each box says which it is
                names << name;
                if (auto* label = qobject_cast<QLabel*>(w); label && !label->pixmap().isNull())
                    images << label;
            }
            QCOMPARE(screen.grab().size(), screen.size() * scale);
            for (QLabel* image : images) {
                for (QLabel* other : images)
                    other->setVisible(other == image);
                const QImage asset = assetSized(image->size() * scale);
                // Every pixel of it that nothing else covers reaches the screen as drawn.
                const QPoint origin = image->pos() * scale;
                QRegion bare(QRect(origin, image->size() * scale));
                for (QWidget* w : screen.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                    if (w != image && w->isVisible())
                        bare -= QRect(w->pos() * scale, w->size() * scale);
                const QImage onScreen = screen.grab().toImage().convertToFormat(QImage::Format_RGB32);
                for (const QRect& part : bare)
                    QVERIFY2(onScreen.copy(part) == asset.copy(part.translated(-origin)),
                        qPrintable(screen.objectName() + ' ' + image->objectName()));
            }
            if (screen.roles().back)
                QTest::mouseClick(screen.roles().back, Qt::LeftButton);
        }
    }
};

int main(int argc, char** argv)
{
    Application app(argc, argv);
    ProgramTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ProgramTest.moc"
