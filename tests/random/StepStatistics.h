#pragma once

#include "ProgramModel.h"

#include <algorithm>

namespace sostav::test {

// What a random run went through, so that its log shows the steps reached right and
// wrong verdicts on every screen and not only wrong ones.
class StepStatistics {
public:
    // Counts the verdict that pressing `button` is about to give, if it is a check.
    void countCheck(const ProgramModel& model, const QString& button)
    {
        const Form form = model.shown();
        if (form != Form::Form1 && button == ProgramModel::shape(form).checkButton)
            ++(model.answersRight(form) ? m_right : m_wrong)[std::size_t(form)];
    }
    void noteText(qsizetype length) { m_longestText = std::max(m_longestText, length); }

    QString summary(long steps, int runs) const
    {
        QStringList checks;
        for (std::size_t form = 1; form < AllForms.size(); ++form)
            checks << QStringLiteral("%1 %2 right/%3 wrong")
                          .arg(ProgramModel::shape(AllForms[form]).name)
                          .arg(m_right[form])
                          .arg(m_wrong[form]);
        return QStringLiteral("%1 steps in %2 runs; checks: %3; longest box text %4 characters")
            .arg(QString::number(steps), QString::number(runs), checks.join(u", "), QString::number(m_longestText));
    }

private:
    std::array<int, AllForms.size()> m_right {}, m_wrong {};
    qsizetype m_longestText = 0;
};

} // namespace sostav::test
