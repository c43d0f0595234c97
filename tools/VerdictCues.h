#pragma once

#include <cstdint>
#include <vector>

namespace sostav::draw {

// The sounds that speak a check's verdict for a child who cannot read it yet: about half a
// second of sound each, then silence.
// Right: a bright major arpeggio rising to its fifth.
std::vector<std::int16_t> renderRightCue();
// Wrong: two lower notes falling a third, soft and short: "try again", never a buzzer.
std::vector<std::int16_t> renderWrongCue();

} // namespace sostav::draw
