#pragma once
// The Sound page's back end: the active output devices with the default one
// marked, switching the default device (then binding the new one through the
// host's audio binding), and what the page shows of the default output. The
// system calls sit behind OutputEndpoints: Core Audio and the
// policy-configuration object in the program, fakes in the tests.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "host/audio_binding.h"

namespace notch::audio_out {

// One active render endpoint as the enumeration reports it.
struct ActiveEndpoint {
  std::wstring id;
  std::optional<std::wstring> friendly_name;  // nothing when not a wide string
};

class OutputEndpoints {
 public:
  virtual ~OutputEndpoints() = default;
  // The active render endpoints, in the system's order.
  virtual std::vector<ActiveEndpoint> ActiveOutputs() = 0;
  // The policy-configuration object's SetDefaultEndpoint for one role.
  virtual bool SetDefaultEndpoint(const std::wstring& id, int role) = 0;
};

// Core Audio's roles, in the order a switch sets them.
inline constexpr int kSwitchRoles[] = {0 /*console*/, 1 /*multimedia*/, 2 /*communications*/};

struct OutputEntry {
  std::wstring id;
  std::wstring name;
  bool is_default = false;
};

// Every active endpoint, marked default when its ID is `default_id` (the
// bound device's; empty marks none). An endpoint without a friendly name is
// listed under its ID.
std::vector<OutputEntry> OutputDevices(OutputEndpoints& endpoints, const std::wstring& default_id);

// Sets the endpoint default for the console, multimedia and communications
// roles; true when at least one took, after which `binding` binds the new
// default device.
bool SetDefaultOutput(OutputEndpoints& endpoints, const std::wstring& id, AudioBinding& binding);

// The page's texts, in Portuguese: they pass through Translate.
inline constexpr wchar_t kNoDevices[] = L"Nenhum dispositivo de saída de áudio encontrado.";
inline constexpr wchar_t kNoOutput[] = L"Nenhuma saída de áudio disponível";
inline constexpr wchar_t kDetailDefault[] = L"Dispositivo de reprodução padrão";
inline constexpr wchar_t kDetailOther[] = L"Clique para trocar a saída";
inline constexpr wchar_t kActive[] = L"Ativo";
inline constexpr wchar_t kMuted[] = L"Silenciado";
inline constexpr wchar_t kMute[] = L"Mudo";
inline constexpr wchar_t kSwitchFailed[] = L"O Windows não conseguiu trocar a saída de áudio.";
inline constexpr wchar_t kSwitchedTo[] = L"Saída trocada para ";
inline constexpr wchar_t kSpeakerGlyph = L'\uE7F5';

// One row of the output list; its texts are translated.
struct OutputRow {
  std::wstring name;
  std::wstring detail;
  std::wstring right;      // "Active" for the default device
  std::wstring item_text;  // the list box's string
  bool selected = false;
};
OutputRow RowFor(const OutputEntry& entry);

// What the page shows of the default output; its texts are translated.
struct SoundView {
  std::wstring subtitle;
  std::optional<int> slider;  // nothing while the slider is captured
  std::wstring label;
  std::wstring mute_text;
  bool controls_enabled = false;  // slider and mute button
};
SoundView ViewFor(const OutputSummary& summary, bool slider_captured);
int VolumePercent(float level);

// The list's refill rule: always with `force`, otherwise only when the
// default device's name changed since the last fill.
class OutputList {
 public:
  bool NeedsRefill(bool force, const std::wstring& default_name);
  void Fill(std::vector<OutputEntry> entries) { entries_ = std::move(entries); }
  const std::vector<OutputEntry>& entries() const { return entries_; }
  std::vector<OutputRow> Rows() const;

 private:
  std::optional<std::wstring> filled_for_;
  std::vector<OutputEntry> entries_;
};

// What a switch did: nothing for no selection or the default device's row,
// else the status line (and, on success, the page refreshes with force).
struct SwitchOutcome {
  bool attempted = false;
  bool switched = false;
  std::wstring status;
};
SwitchOutcome SwitchOutput(OutputEndpoints& endpoints, const OutputList& list, std::optional<std::size_t> selected,
                           AudioBinding& binding);

}  // namespace notch::audio_out
