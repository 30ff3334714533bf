#pragma once
// The program's only diagnostic channel: printf-style lines of at most 1023
// characters. The Windows shell sends them to OutputDebugStringW; tests and
// tools install their own sink. Without a sink, lines are dropped.
#include <cstdarg>
#include <string>
#include <string_view>

namespace notch {

inline constexpr std::size_t kDebugLogBufferChars = 1024;

using DebugLogSink = void (*)(std::wstring_view line);

// Installs `sink` (nullptr drops lines) and returns the previous one.
DebugLogSink SetDebugLogSink(DebugLogSink sink);

// Wide format strings must use %ls for wide strings: %s means different
// things to the Windows and the POSIX wide printf.
void DebugLog(const wchar_t* format, ...);

// The formatting step, truncated to kDebugLogBufferChars - 1 characters.
std::wstring FormatDebugLine(const wchar_t* format, std::va_list arguments);

}  // namespace notch
