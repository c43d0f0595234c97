#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace sostav::test {

// One piece of text that the random test types into answer boxes, with the number that
// the answer rules make of it when it stands alone, worked out by hand.
struct CorpusText {
    QString name;
    QString text;
    std::optional<double> value; // std::nullopt: beyond the double range
};

// Empty texts, blanks, signs, points and commas, exponents, "&H" and "&O" forms, letters,
// numbers too large for a double and texts of thousands of characters.
const std::vector<CorpusText>& AnswerCorpus();

// The corpus texts whose number, when they stand alone, satisfies `fits`.
std::vector<const CorpusText*> CorpusTextsWhere(const std::function<bool(double)>& fits);

} // namespace sostav::test
