#include "winrt/hstring_win.h"

#include <winstring.h>

#include <cstdint>
#include <utility>

namespace notch::winrt {

std::wstring HStringToWide(HSTRING value) {
  UINT32 length = 0;
  const wchar_t* buffer = WindowsGetStringRawBuffer(value, &length);
  return buffer == nullptr ? std::wstring() : std::wstring(buffer, length);
}

HString::~HString() { Reset(); }

HString::HString(HString&& other) noexcept : value_(std::exchange(other.value_, nullptr)) {}

HString& HString::operator=(HString&& other) noexcept {
  if (this != &other) {
    Reset();
    value_ = std::exchange(other.value_, nullptr);
  }
  return *this;
}

HRESULT HString::Set(std::wstring_view text) {
  if (text.size() > UINT32_MAX) return E_INVALIDARG;
  HSTRING created = nullptr;
  const HRESULT result = WindowsCreateString(text.data(), static_cast<UINT32>(text.size()), &created);
  if (FAILED(result)) return result;
  Reset();
  value_ = created;
  return S_OK;
}

HSTRING* HString::Put() {
  Reset();
  return &value_;
}

void HString::Reset() {
  if (value_ != nullptr) WindowsDeleteString(value_);
  value_ = nullptr;
}

}  // namespace notch::winrt
