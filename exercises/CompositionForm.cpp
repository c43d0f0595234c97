#include "exercises/CompositionForm.h"

#include "exercises/rules/AnswerTests.h"
#include "shell/CommandButton.h"

namespace sostav {

CompositionForm::CompositionForm(CheckedLayout layout, double target)
    : Screen(layout)
    , m_target(target)
{
    connect(roles().check, &QAbstractButton::clicked, this, &CompositionForm::check);
}

void CompositionForm::check()
{
    // A pair that overflows is a wrong pair like any other: the child is told to think again.
    showVerdict(sumTest(answer(1), answer(0), m_target));
}

} // namespace sostav
