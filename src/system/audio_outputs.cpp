#include "system/audio_outputs.h"

#include <cmath>

#include "host/translate.h"

namespace notch::audio_out {

std::vector<OutputEntry> OutputDevices(OutputEndpoints& endpoints, const std::wstring& default_id) {
  std::vector<OutputEntry> entries;
  for (ActiveEndpoint& endpoint : endpoints.ActiveOutputs()) {
    if (endpoint.id.empty()) continue;
    OutputEntry entry;
    entry.name = endpoint.friendly_name && !endpoint.friendly_name->empty() ? *endpoint.friendly_name : endpoint.id;
    entry.is_default = !default_id.empty() && endpoint.id == default_id;
    entry.id = std::move(endpoint.id);
    entries.push_back(std::move(entry));
  }
  return entries;
}

bool SetDefaultOutput(OutputEndpoints& endpoints, const std::wstring& id, AudioBinding& binding) {
  bool any = false;
  for (int role : kSwitchRoles) any = endpoints.SetDefaultEndpoint(id, role) || any;
  if (any) binding.Bind();
  return any;
}

OutputRow RowFor(const OutputEntry& entry) {
  OutputRow row;
  row.name = entry.name;
  row.detail = Translate(entry.is_default ? kDetailDefault : kDetailOther);
  if (entry.is_default) row.right = Translate(kActive);
  row.item_text = entry.is_default ? entry.name + L"  \u00B7  " + row.right : entry.name;
  row.selected = entry.is_default;
  return row;
}

int VolumePercent(float level) {
  if (!(level > 0.0f)) return 0;  // also NaN
  if (level >= 1.0f) return 100;
  return static_cast<int>(level * 100.0f + 0.5f);
}

SoundView ViewFor(const OutputSummary& summary, bool slider_captured) {
  SoundView view;
  view.subtitle = summary.available ? summary.name : std::wstring(Translate(kNoOutput));
  if (!slider_captured) view.slider = VolumePercent(summary.level);
  view.label = summary.available ? std::to_wstring(VolumePercent(summary.level)) + L"%" : L"\u2014";
  view.mute_text = Translate(summary.muted ? kMuted : kMute);
  view.controls_enabled = summary.available;
  return view;
}

bool OutputList::NeedsRefill(bool force, const std::wstring& default_name) {
  const bool refill = force || !filled_for_ || *filled_for_ != default_name;
  if (refill) filled_for_ = default_name;
  return refill;
}

std::vector<OutputRow> OutputList::Rows() const {
  std::vector<OutputRow> rows;
  rows.reserve(entries_.size());
  for (const OutputEntry& entry : entries_) rows.push_back(RowFor(entry));
  return rows;
}

SwitchOutcome SwitchOutput(OutputEndpoints& endpoints, const OutputList& list, std::optional<std::size_t> selected,
                           AudioBinding& binding) {
  SwitchOutcome outcome;
  if (!selected || *selected >= list.entries().size()) return outcome;
  const OutputEntry& entry = list.entries()[*selected];
  if (entry.is_default) return outcome;
  outcome.attempted = true;
  outcome.switched = SetDefaultOutput(endpoints, entry.id, binding);
  outcome.status =
      outcome.switched ? Translate(kSwitchedTo) + entry.name + L"." : std::wstring(Translate(kSwitchFailed));
  return outcome;
}

}  // namespace notch::audio_out
