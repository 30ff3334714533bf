#pragma once
// Types a key chord as a person does: the keys pressed in order, then
// released in reverse, through SendInput.
#include <windows.h>

#include <initializer_list>
#include <span>
#include <vector>

namespace notch::testing {

inline void PressChord(std::span<const WORD> keys) {
  std::vector<INPUT> inputs;
  const auto key = [&inputs](WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  };
  for (const WORD vk : keys) key(vk, false);
  for (auto vk = keys.rbegin(); vk != keys.rend(); ++vk) key(*vk, true);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

inline void PressChord(std::initializer_list<WORD> keys) {
  PressChord(std::span<const WORD>(keys.begin(), keys.size()));
}

}  // namespace notch::testing
