#include "ChildInput.h"

#include <QLineEdit>
#include <QTest>

namespace sostav::test {

namespace {

// Every key makes a line edit lay its whole text out again: long pieces, and any piece
// going into a long text, are pasted, or they would make the test slow and tell no more.
constexpr qsizetype LongestTyped = 40;
constexpr qsizetype LongestTypedInto = 200;

void typeKeys(QLineEdit* box, const QString& text)
{
    for (QChar c : text) {
        // QTest::keyClicks passes only Latin-1 on; Cyrillic letters go with an unknown key
        // code and their text, as an input method delivers them.
        const Qt::Key key = c.unicode() < 128 ? QTest::asciiToKey(char(c.unicode())) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, box, key, QString(c), Qt::NoModifier);
    }
}

} // namespace

void TypeInto(QLineEdit* box, Edit how, const QString& text)
{
    switch (how) {
    case Edit::Replace:
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Delete);
        break;
    case Edit::Append:
        QTest::keyClick(box, Qt::Key_End);
        break;
    case Edit::Prepend:
        QTest::keyClick(box, Qt::Key_Home);
        break;
    }
    if (text.size() > LongestTyped || box->text().size() > LongestTypedInto)
        box->insert(text);
    else
        typeKeys(box, text);
}

} // namespace sostav::test
