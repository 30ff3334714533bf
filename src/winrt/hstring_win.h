#pragma once
// HSTRING, the Windows Runtime's reference-counted string, owned for a scope.
#include <windows.h>

#include <hstring.h>

#include <string>
#include <string_view>

namespace notch::winrt {

// The text of an HSTRING, embedded NULs included; null is the empty string.
std::wstring HStringToWide(HSTRING value);

class HString {
 public:
  HString() = default;
  ~HString();
  HString(HString&& other) noexcept;
  HString& operator=(HString&& other) noexcept;
  HString(const HString&) = delete;
  HString& operator=(const HString&) = delete;

  // Replaces the text with a copy of `text`; fails only for lack of memory or
  // a text longer than 32 bits can count. The empty text is the null HSTRING.
  HRESULT Set(std::wstring_view text);

  HSTRING Get() const { return value_; }
  // For an out-parameter: frees the current string and hands out its slot.
  HSTRING* Put();
  std::wstring ToWide() const { return HStringToWide(value_); }

 private:
  void Reset();

  HSTRING value_ = nullptr;
};

}  // namespace notch::winrt
