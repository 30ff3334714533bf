#pragma once
// Between the portable Guid and the Windows GUID.
#include <windows.h>

#include <string_view>

#include "winrt/guid.h"

namespace notch::winrt {

constexpr GUID ToWindowsGuid(const Guid& guid) {
  return GUID{guid.data1,
              guid.data2,
              guid.data3,
              {guid.data4[0], guid.data4[1], guid.data4[2], guid.data4[3], guid.data4[4], guid.data4[5], guid.data4[6],
               guid.data4[7]}};
}

constexpr Guid FromWindowsGuid(const GUID& guid) {
  return Guid{static_cast<std::uint32_t>(guid.Data1),
              guid.Data2,
              guid.Data3,
              {guid.Data4[0], guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5], guid.Data4[6],
               guid.Data4[7]}};
}

// An interface's IID as the metadata publishes it; malformed text does not compile.
consteval GUID IidLiteral(std::string_view text) { return ToWindowsGuid(GuidLiteral(text)); }

}  // namespace notch::winrt
