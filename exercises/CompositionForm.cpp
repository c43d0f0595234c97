#include "exercises/CompositionForm.h"

#include "exercises/rules/AnswerTests.h"

namespace sostav {

CompositionForm::CompositionForm(const ScreenLayout& layout, double target)
    : Screen(layout)
    , m_target(target)
{
}

bool CompositionForm::judge() const
{
    // A pair that overflows is a wrong pair like any other: the child is told to think again.
    return sumTest(answer(1), answer(0), m_target);
}

} // namespace sostav
