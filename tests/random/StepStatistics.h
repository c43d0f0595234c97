#pragma once

#include "ProgramModel.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace sostav::test {

// What a random run went through, so that its log shows the steps reached right and
// wrong verdicts on every screen and not only wrong ones.
class StepStatistics {
public:
    void countCheck(Form form, bool right) { ++(right ? m_right : m_wrong)[std::size_t(form)]; }
    void noteText(qsizetype length) { m_longestText = std::max(m_longestText, length); }

    QString summary(long steps, int runs) const
    {
        QStringList checks;
        for (Form form : AllForms) {
            if (form != Form::Form1)
                checks << QStringLiteral("%1 %2 right/%3 wrong")
                              .arg(ProgramModel::shape(form).name)
                              .arg(m_right[std::size_t(form)])
                              .arg(m_wrong[std::size_t(form)]);
        }
        return QStringLiteral("%1 steps in %2 runs; checks: %3; longest box text %4 characters")
            .arg(steps)
            .arg(runs)
            .arg(checks.join(QStringLiteral(", ")))
            .arg(m_longestText);
    }

private:
    std::array<int, AllForms.size()> m_right {};
    std::array<int, AllForms.size()> m_wrong {};
    qsizetype m_longestText = 0;
};

} // namespace sostav::test
