#include "exercises/CompositionForm.h"

#include "exercises/rules/AnswerTests.h"
#include "shell/CommandButton.h"

namespace sostav {

CompositionForm::CompositionForm(CheckedLayout layout, double target)
    : Screen(layout)
    , m_target(target)
{
    connect(roles().check, &QAbstractButton::clicked, this, &CompositionForm::check);
    connect(roles().reset, &QAbstractButton::clicked, this, &CompositionForm::reset);
}

void CompositionForm::check()
{
    // A pair that overflows is a wrong pair like any other: the child sees the surprised face.
    showVerdict(sumTest(answer(1), answer(0), m_target));
}

void CompositionForm::reset()
{
    // One space, not empty: whatever the child types next is read around it.
    setAnswers(QStringLiteral(" "));
    hideVerdicts();
}

} // namespace sostav
