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

// The island window's class and the window itself; `layered` when it is
// presented with UpdateLayeredWindow instead of DirectComposition.
bool RegisterIslandWindowClass(HINSTANCE instance);
HWND CreateIslandWindow(HINSTANCE instance, bool layered);
// Proc hands the window's messages to the island attached here.
void AttachIsland(HWND window, Island* island);

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace notch
