#include "ChildInput.h"

#include <QLineEdit>
#include <QTest>

namespace sostav::test {

void TypeInto(QLineEdit* box, Edit how, const QString& text)
{
    static constexpr Qt::Key Keys[] = {Qt::Key_A, Qt::Key_End, Qt::Key_Home};
    QTest::keyClick(box, Keys[int(how)], how == Edit::Replace ? Qt::ControlModifier : Qt::NoModifier);
    if (how == Edit::Replace && text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    // Every key makes a line edit lay its whole text out again: long pieces, and any piece
    // going into a long text, are pasted, or they would make the test slow and tell no more.
    if (text.size() > 40 || box->text().size() > 200) {
        box->insert(text);
        return;
    }
    for (QChar c : text) {
        // QTest::keyClicks passes only Latin-1 on; Cyrillic letters go with an unknown key
        // code and their text, as an input method delivers them.
        const Qt::Key key = c.unicode() < 128 ? QTest::asciiToKey(char(c.unicode())) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, box, key, QString(c), Qt::NoModifier);
    }
}

} // namespace sostav::test
