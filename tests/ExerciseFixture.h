#pragma once

// The four exercise screens, what each one asks and what answers it, and a fixture that opens
// them, answers them by keyboard or by finger and reads their verdicts.
#include "TestSupport.h"

#include "shell/DigitPad.h"

namespace sostav::test {

struct Exercise {
    ScreenKind kind;
    const char* check;
    const char* reset;
    const char* right; // verdict widgets
    const char* wrong;
    QStringList boxes;
    QStringList rightAnswers;
    QString resetText;
};

const QStringList SheetBoxes {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10",
    "Text11", "Text12", "Text13"};
const QStringList SheetKey {"3", "1", "2", "0", "7", "9", "6", "8", "5", "8", "6", "5", "7"};

const Exercise Exercises[] = {
    {ScreenKind::Form3, "Command2", "Command3", "Label4", "Label5", {"Text1", "Text2"}, {"3", "7"}, ""},
    {ScreenKind::Form7, "Command2", "Command3", "Image2", "Image1", {"Text1", "Text2"}, {"4", "5"}, " "},
    {ScreenKind::Form8, "Command2", "Command3", "Image2", "Image1", {"Text1", "Text2"}, {"5", "3"}, " "},
    {ScreenKind::Form6, "Command3", "Command2", "Label1", "Label2", SheetBoxes, SheetKey, " "},
};
const char* const Tags[] = {"10", "9", "8", "worksheet"};

inline void perExercise()
{
    QTest::addColumn<int>("exercise");
    for (int i = 0; i < 4; ++i)
        QTest::newRow(Tags[i]) << i;
}

// The same picture, but for the last level or two of antialiasing, which depends on what
// the glyph cache drew before (or, with a larger tolerance, on rounding).
inline bool alike(const QImage& a, const QImage& b, int tolerance = 24)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q)) > tolerance)
                return false;
        }
    return true;
}

// The designed screen shrunk evenly: alike once both are reduced far enough that the
// hinting of smaller text and the rounding of every place to whole pixels no longer show.
inline bool alikeShrunk(const QImage& shown, const QImage& designed)
{
    const QSize coarse = shown.size() / 6;
    const auto reduce = [coarse](const QImage& image) {
        return image.scaled(coarse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    return std::abs(shown.width() * designed.height() - shown.height() * designed.width()) <= designed.width()
        && alike(
            reduce(shown), reduce(designed.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)), 160);
}

class ExerciseFixture : public QObject {
protected:
    std::unique_ptr<Program> m_program;
    const Exercise* m_exercise = nullptr;
    Screen* m_screen = nullptr;

    Screen& open(int exercise)
    {
        m_exercise = &Exercises[exercise];
        m_screen = &m_program->open(m_exercise->kind);
        return *m_screen;
    }
    QLineEdit* box(int i) const { return child<QLineEdit>(*m_screen, m_exercise->boxes[i].toLatin1()); }
    void answer(const QStringList& texts)
    {
        for (int i = 0; i < texts.size(); ++i)
            fill(*m_screen, m_exercise->boxes[i].toLatin1(), texts[i]);
        click(*m_screen, m_exercise->check);
    }
    DigitPad* pad() const { return m_screen->findChild<DigitPad*>(); }
    QAbstractButton* key(const QString& name) const // by the name a screen reader gives it
    {
        const auto keys = pad()->findChildren<QAbstractButton*>();
        return *std::find_if(keys.begin(), keys.end(), [&](auto* key) { return key->accessibleName() == name; });
    }
    // Into empty boxes with a finger alone: a tap into each, its digits on the pad, the check.
    void answerByFinger(const QStringList& texts)
    {
        for (int i = 0; i < texts.size(); ++i) {
            tap(box(i));
            for (QChar digit : texts[i])
                tap(key(digit));
        }
        tap(child(*m_screen, m_exercise->check));
    }
    QString verdict() const
    {
        const bool right = child(*m_screen, m_exercise->right)->isVisible();
        const bool wrong = child(*m_screen, m_exercise->wrong)->isVisible();
        return right && wrong ? "both" : right ? "right" : wrong ? "wrong" : "none";
    }
};

} // namespace sostav::test
