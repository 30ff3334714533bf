#include "panel/sound_page.h"

#include <utility>
#include <vector>

#include "host/audio_binding.h"
#include "host/translate.h"

namespace notch::quick {

void SoundPage::Refresh(PanelWindow& window, SoundDevices* devices, bool force, bool slider_captured) {
  const OutputSummary summary = devices != nullptr ? devices->Binding().Summary() : OutputSummary{};
  const audio_out::SoundView view = audio_out::ViewFor(summary, slider_captured);
  window.SetText(control::kSubtitle, view.subtitle);
  if (view.slider) window.SetSlider(*view.slider);
  window.SetText(control::kValue, view.label);
  window.SetText(control::kMute, view.mute_text);
  window.Enable(control::kSlider, view.controls_enabled);
  window.Enable(control::kMute, view.controls_enabled);

  if (!list_.NeedsRefill(force, summary.name)) return;
  list_.Fill(devices != nullptr ? audio_out::OutputDevices(devices->Endpoints(), devices->Binding().device_id())
                                : std::vector<audio_out::OutputEntry>());
  std::vector<ListRow> rows;
  std::optional<std::size_t> selected;
  for (audio_out::OutputRow& row : list_.Rows()) {
    if (row.selected) selected = rows.size();
    rows.push_back(
        {std::move(row.item_text), std::move(row.name), std::move(row.detail), std::move(row.right), kSpeakerGlyph});
  }
  window.SetListPlaceholder(Translate(audio_out::kNoDevices));
  window.FillList(rows, selected);
}

std::optional<std::wstring> SoundPage::Switch(PanelWindow& window, SoundDevices* devices, bool slider_captured) {
  if (devices == nullptr) return std::nullopt;
  const audio_out::SwitchOutcome outcome =
      audio_out::SwitchOutput(devices->Endpoints(), list_, window.ListSelection(), devices->Binding());
  if (!outcome.attempted) return std::nullopt;
  // After a failure too, so that the selection returns to the default device.
  Refresh(window, devices, true, slider_captured);
  return outcome.status;
}

}  // namespace notch::quick
