#pragma once

#include "AnswerCorpus.h"
#include "ProgramComparison.h"
#include "ProgramModel.h"
#include "StepStatistics.h"

#include "TestSupport.h"
#include "shell/ScreenRegistry.h"

#include <deque>
#include <memory>
#include <optional>
#include <random>

namespace sostav::test {

// Drives the real program through random steps, as a child at the keyboard and mouse
// would, applies every step to the model as well and compares the two after it. When
// the program ends, a fresh run of it starts.
class ProgramDriver {
public:
    explicit ProgramDriver(quint64 seed);

    // Takes one random step; gives what differs between program and model afterwards.
    std::optional<QString> step();
    std::optional<QString> compare() const { return DifferenceFromModel(*m_registry, m_programEnded, m_model); }

    long steps() const { return m_steps; }
    int runs() const { return m_runs; }
    // The last steps taken, one a line, oldest first.
    QString history() const { return QStringList(m_history.begin(), m_history.end()).join(u'\n'); }
    QString statistics() const { return m_statistics.summary(m_steps, m_runs); }

private:
    void startProgram();
    // The comparison after every step has made sure that the screen exists.
    Screen& shownScreen() const { return *m_registry->existing(KindOf(m_model.shown())); }
    int pick(std::initializer_list<double> weights) { return std::discrete_distribution<int>(weights)(m_random); }
    qsizetype anyIndex(qsizetype size) { return std::uniform_int_distribution<qsizetype>(0, size - 1)(m_random); }
    const CorpusText& piece(bool helpful, const QString& box);
    void note(const QString& what);
    void enter(const QString& box, Edit how, const QString& text, bool click);

    void clickButton();
    void pressKey();
    void tab();
    void typeIntoBox();
    void answerEveryBox();
    void clickInert();
    void closeWindow();

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
