#pragma once

#include "AnswerCorpus.h"
#include "ProgramModel.h"
#include "StepStatistics.h"

#include "shell/ScreenRegistry.h"

#include <QString>

#include <deque>
#include <memory>
#include <optional>
#include <random>

namespace sostav {
class Screen;
}

namespace sostav::test {

// Drives the real program through random steps, as a child at the keyboard and mouse
// would, applies every step to the model as well and compares the two after it. When
// the program ends, a fresh run of it starts.
class ProgramDriver {
public:
    explicit ProgramDriver(quint64 seed);
    ~ProgramDriver();

    // Takes one random step; gives what differs between program and model afterwards.
    std::optional<QString> step();
    // Compares without stepping, as at the start of a run.
    std::optional<QString> compare() const;

    long steps() const { return m_steps; }
    int runs() const { return m_runs; }
    // The last steps taken, one a line, oldest first.
    QString history() const;
    QString statistics() const { return m_statistics.summary(m_steps, m_runs); }

private:
    void startProgram();
    Screen& shownScreen() const;
    QWidget* focused() const;
    int pick(std::initializer_list<double> weights);
    const CorpusText& randomPiece();
    const CorpusText& piece(bool helpful, const QString& box);
    void note(const QString& what);
    void countCheck(const QString& button);

    void clickButton();
    void pressKey();
    void tab();
    void typeIntoBox();
    void answerEveryBox();
    void clickInert();
    void closeWindow();
    void enter(const QString& box, Edit how, const CorpusText& text);

    std::mt19937_64 m_random;
    std::unique_ptr<ScreenRegistry> m_registry;
    bool m_programEnded = false;
    ProgramModel m_model;
    std::deque<QString> m_history;
    long m_steps = 0;
    int m_runs = 0;
    StepStatistics m_statistics;
};

} // namespace sostav::test
