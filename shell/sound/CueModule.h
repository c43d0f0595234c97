#pragma once

// What the program and its sound module agree on: the module's file name and its one entry
// point, looked up by name once the module is loaded (VerdictSound.cpp).
namespace sostav {

inline constexpr char CueModuleName[] = "sostav-sound";
inline constexpr char PlayCueSymbol[] = "sostavPlayVerdictCue";
using PlayCueFunction = void (*)(bool right);

} // namespace sostav
