#include "exercises/Judging.h"

#include "exercises/WorksheetGrid.h"
#include "exercises/rules/AnswerTests.h"

namespace sostav {

bool judgeComposition(double target, std::span<const std::string> answers)
{
    return answers.size() == 2 && sumTest(answers[1], answers[0], target);
}

bool judgeWorksheet(std::span<const std::string> answers)
{
    if (answers.size() != worksheet::AnswerBoxCount)
        return false;
    bool right = true;
    for (int slot = 0; slot < worksheet::AnswerBoxCount; ++slot)
        right = valueTest(answers[std::size_t(slot)], worksheet::missingPart(slot)) && right;
    return right;
}

} // namespace sostav
