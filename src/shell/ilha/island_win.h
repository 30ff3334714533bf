#pragma once
// The island window: the ShellIlha class, its procedure and the Windows side
// of the island's ports.
#include <windows.h>

namespace notch {

class Island;

inline constexpr wchar_t kIslandWindowClass[] = L"ShellIlha";
inline constexpr wchar_t kIslandWindowTitle[] = L"Vizi Didoziri";

// The island of this process, once CreateIsland succeeded.
Island* TheIsland();

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace notch
