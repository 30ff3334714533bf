#include "host/hot_keys.h"

#include <array>
#include <climits>
#include <cwchar>

#include "common/debug_log.h"

namespace notch {
namespace {

struct ModifierPrefix {
  int bit;
  const wchar_t* text;
};
constexpr std::array<ModifierPrefix, 4> kModifierPrefixes = {{
    {kModControl, L"Ctrl+"},
    {kModAlt, L"Alt+"},
    {kModShift, L"Shift+"},
    {kModWin, L"Win+"},
}};

struct NamedKey {
  int key;
  const wchar_t* name;
};
constexpr std::array<NamedKey, 3> kNamedKeys = {{
    {kVkSpace, L"Space"},
    {kVkReturn, L"Enter"},
    {kVkTab, L"Tab"},
}};

constexpr wchar_t kPressAModifier[] = L"Press a modifier (Ctrl/Alt/Shift) + key.";

std::wstring KeyDisplayName(int key, const HotKeyRegistrar& registrar) {
  for (const NamedKey& named : kNamedKeys) {
    if (key == named.key) return named.name;
  }
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::wstring(1, static_cast<wchar_t>(key));
  if (key >= kVkF1 && key <= kVkF12) return L"F" + std::to_wstring(key - kVkF1 + 1);
  std::wstring name = registrar.KeyName(key);
  if (!name.empty()) return name;
  // A key the layout cannot name still needs a visible name in the messages.
  wchar_t code[16] = {};
  std::swprintf(code, 16, L"Key 0x%02X", static_cast<unsigned>(key));
  return code;
}

// The settings hold decimal text; like the C library's wcstol, leading digits
// count and whatever follows them is ignored. A value outside int is 0.
int ParseHotKeyNumber(std::wstring_view text) {
  std::size_t at = 0;
  while (at < text.size() && (text[at] == L' ' || text[at] == L'\t')) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == L'+' || text[at] == L'-')) negative = text[at++] == L'-';
  long long value = 0;
  for (; at < text.size() && text[at] >= L'0' && text[at] <= L'9'; ++at) {
    value = value * 10 + (text[at] - L'0');
    if (value > INT_MAX) return 0;
  }
  return static_cast<int>(negative ? -value : value);
}

bool RegisterSearch(HotKeyRegistrar& registrar, int id, HotKeyCombination combination) {
  return registrar.Register(id, combination.modifiers | kModNoRepeat, combination.key);
}

}  // namespace

std::wstring HotKeyDisplayName(int modifiers, int key, const HotKeyRegistrar& registrar) {
  std::wstring name;
  for (const ModifierPrefix& prefix : kModifierPrefixes) {
    if (modifiers & prefix.bit) name += prefix.text;
  }
  return name + KeyDisplayName(key, registrar);
}

std::optional<HotKeyCombination> SavedSearchHotKey(const Settings& settings) {
  const HotKeyCombination saved{ParseHotKeyNumber(settings.Read(setting::kSearchHotKeyModifiers)),
                                ParseHotKeyNumber(settings.Read(setting::kSearchHotKeyKey))};
  if (saved.modifiers == 0 || saved.key == 0) return std::nullopt;
  return saved;
}

void RegisterHotKeysAtStartup(HotKeyState& state, const Settings& settings, HotKeyRegistrar& registrar) {
  state.toggle_registered = registrar.Register(kToggleHotKeyId, kModControl | kModAlt | kModNoRepeat, kVkN);
  if (!state.toggle_registered) DebugLog(L"Could not register Ctrl+Alt+N (%lu)", registrar.LastError());

  if (const auto saved = SavedSearchHotKey(settings)) {
    state.search_modifiers = saved->modifiers;
    state.search_key = saved->key;
  }
  state.search_registered = RegisterSearch(registrar, state.search_id, {state.search_modifiers, state.search_key});

  const bool never_saved =
      settings.Read(setting::kSearchHotKeyModifiers).empty() && settings.Read(setting::kSearchHotKeyKey).empty();
  const HotKeyCombination fallback{kModControl | kModAlt, kVkSpace};
  if (!state.search_registered && never_saved && RegisterSearch(registrar, state.search_id, fallback)) {
    state.search_modifiers = fallback.modifiers;
    state.search_key = fallback.key;
    state.search_registered = true;
  }
  if (!state.search_registered) DebugLog(L"Could not register search hotkey (%lu)", registrar.LastError());
}

SearchHotKeyResult SetSearchHotKey(HotKeyState& state, Settings& settings, HotKeyRegistrar& registrar, int modifiers,
                                   int key) {
  if (!registrar.HasWindow() || modifiers == 0 || key == 0) return {false, kPressAModifier};
  const std::wstring name = HotKeyDisplayName(modifiers, key, registrar);
  const bool unchanged = state.search_registered && modifiers == state.search_modifiers && key == state.search_key;
  if (!unchanged) {
    const int id = state.search_id == kSearchHotKeyId ? kSearchHotKeyOtherId : kSearchHotKeyId;
    if (!RegisterSearch(registrar, id, {modifiers, key})) {
      return {false, L"Could not register " + name + L". Try another shortcut."};
    }
    if (state.search_registered) registrar.Unregister(state.search_id);
    state.search_id = id;
    state.search_registered = true;
  }
  state.search_modifiers = modifiers;
  state.search_key = key;
  settings.Write(setting::kSearchHotKeyModifiers, std::to_wstring(modifiers));
  settings.Write(setting::kSearchHotKeyKey, std::to_wstring(key));
  return {true, L"Search shortcut: " + name};
}

std::optional<std::wstring> RegisteredSearchHotKeyName(const HotKeyState& state, const HotKeyRegistrar& registrar) {
  if (!state.search_registered) return std::nullopt;
  return HotKeyDisplayName(state.search_modifiers, state.search_key, registrar);
}

void UnregisterHotKeys(HotKeyState& state, HotKeyRegistrar& registrar) {
  if (state.toggle_registered) registrar.Unregister(kToggleHotKeyId);
  if (state.search_registered) registrar.Unregister(state.search_id);
  state.toggle_registered = false;
  state.search_registered = false;
}

}  // namespace notch
