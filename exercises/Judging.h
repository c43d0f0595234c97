#pragma once

// How each exercise judges its answers: plain functions from the texts of the screen's answer
// boxes, in slot order, to right or wrong. The screen reads the boxes and shows the verdict;
// what makes the answers right lives here, free of Qt like the rules it judges with.

#include <span>
#include <string>

namespace sostav {

// The composition of `target`: the second box's number and the first's, read in that order,
// add up to it exactly. A pair that overflows is a wrong pair like any other, so is anything
// but two texts.
bool judgeComposition(double target, std::span<const std::string> answers);

// The composition of one number, as a screen's table names its judge.
template <int Target> bool judgeCompositionOf(std::span<const std::string> answers)
{
    return judgeComposition(Target, answers);
}

// The review worksheet: every box holds the part missing from the row of its number table
// (`worksheet::missingPart`). Every box is read, even after a wrong one, and the sheet gets
// one verdict as a whole.
bool judgeWorksheet(std::span<const std::string> answers);

} // namespace sostav
