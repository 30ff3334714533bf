#pragma once
// The driver's step files: one step a line, words separated by spaces, a
// word with spaces in double quotes (\" and \\ inside them), '#' starts a
// comment outside quotes. Key chords are written as names joined by '+'.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace notch::driver {

struct StepLine {
  std::vector<std::string> words;  // empty for a blank or comment line
  std::string error;               // why the line could not be read
};

StepLine ReadStepLine(std::string_view line);

// "ctrl+alt+n" -> the virtual-key codes in pressing order. Names: ctrl,
// alt, shift, win, space, enter, esc, tab, backspace, capslock, up, down,
// left, right, f1..f12, volumeup, volumedown, mute, a single letter or
// digit. Nothing when a name is unknown or the chord is empty.
std::optional<std::vector<std::uint16_t>> ReadKeyChord(std::string_view chord);

// A whole number in [low, high] written in decimal, optionally negative.
std::optional<long long> ReadWholeNumber(std::string_view text, long long low, long long high);

}  // namespace notch::driver
