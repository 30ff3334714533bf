#pragma once
// The path of a shell known folder.
#include <windows.h>

#include <shtypes.h>

#include <string>

namespace notch {

// The folder's full path, or empty when the system does not report it.
std::wstring KnownFolderPath(REFKNOWNFOLDERID folder);

}  // namespace notch
