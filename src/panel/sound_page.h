#pragma once
// The Sound page of the panel: the default output with its slider and mute
// button, and the list of active outputs whose selection switches the
// default device. Everything runs on the window thread.
#include <optional>
#include <string>

#include "panel/panel_ports.h"
#include "system/audio_outputs.h"

namespace notch::quick {

class SoundPage {
 public:
  // Page setup: the list is filled afresh.
  void Reset() { list_ = audio_out::OutputList(); }

  // Shows the default output (the thumb stays put while `slider_captured`)
  // and refills the list with `force` or when the default device changed.
  void Refresh(PanelWindow& window, SoundDevices* devices, bool force, bool slider_captured);

  // Makes the selected row's device the default; the status line's text, or
  // nothing when the selection is the default device already.
  std::optional<std::wstring> Switch(PanelWindow& window, SoundDevices* devices, bool slider_captured);

  const audio_out::OutputList& list() const { return list_; }

 private:
  audio_out::OutputList list_;
};

// The icon drawn beside every output.
inline constexpr wchar_t kSpeakerGlyph = audio_out::kSpeakerGlyph;

}  // namespace notch::quick
