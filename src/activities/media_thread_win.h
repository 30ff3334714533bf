#pragma once
// The media thread of the program: started once, the first time the island
// is enabled, together with the lyrics workers.

namespace notch {

void StartMediaThread();

}  // namespace notch
