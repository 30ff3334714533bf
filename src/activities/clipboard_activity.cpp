#include "activities/clipboard_activity.h"

#include <algorithm>
#include <utility>

#include "host/translate.h"
#include "render/button_highlight.h"

namespace notch {
namespace {

constexpr wchar_t kEmptyGlyph = 0xE77F;
constexpr wchar_t kEntryGlyph = 0xE8C8;
constexpr wchar_t kCopiedGlyph = 0xE73E;
constexpr Colour kCopiedGreen{0.2f, 0.84f, 0.29f, 1.0f};
constexpr std::size_t kShownRows = 4;
constexpr float kRowStep = 23.0f;
constexpr float kRowHeight = 21.0f;
constexpr float kClearWidth = 42.0f;
constexpr float kClearRoom = 44.0f;  // the first row ends this much earlier

float RowRadius(Theme theme) {
  switch (theme) {
    case Theme::Tahoe:
    case Theme::GoldenGate:
      return 0.8f * 10.5f;
    case Theme::Leopard:
      return 0.8f * 5.0f;
    case Theme::Sequoia:
      break;
  }
  return 0.8f * 9.0f;
}

ButtonState StateOf(const IslandRecord& r, HitItem item) {
  if (r.pressed_item == item) return ButtonState::Pressed;
  if (r.hovered_item == item) return ButtonState::Hovered;
  return ButtonState::Rest;
}

void DrawGlyph(Canvas& canvas, wchar_t glyph, const RectF& box, const TextFormat& format, Colour colour) {
  const wchar_t text[] = {glyph, L'\0'};
  canvas.DrawText(std::wstring_view(text, 1), format, box, Brush::Solid(colour));
}

}  // namespace

void ClipboardActivity::Listen() {
  if (port_) port_->Listen();
}

bool ClipboardActivity::Capture() {
  if (!port_) return false;
  if (port_->Offers(ClipboardFormat::ExcludeFromMonitoring) || !port_->Offers(ClipboardFormat::UnicodeText)) {
    return false;
  }
  for (int attempt = 1; !port_->Open(); ++attempt) {
    if (attempt == kClipboardOpenAttempts) return false;
    port_->Wait(kClipboardRetryMs);
  }
  std::optional<std::wstring> text;
  const std::optional<std::uint32_t> include = port_->ReadValue(ClipboardFormat::CanIncludeInHistory);
  if (!include || *include != 0) text = port_->ReadText(kClipboardTextLimit);
  port_->Close();
  if (!text || !history_.Add(*text)) return false;
  FollowCopiedEntry();
  return true;
}

bool ClipboardActivity::TakeOwnCopy() { return std::exchange(own_copy_, false); }

bool ClipboardActivity::Activate(HitItem item) {
  switch (item.kind) {
    case clipboard_hit::kEntry:
      CopyBack(item.index);
      return true;
    case clipboard_hit::kClear:
      if (history_.Clear()) FollowCopiedEntry();
      if (island_) island_->Redraw();
      return true;
    default:
      return false;
  }
}

bool ClipboardActivity::CopyBack(int index) {
  if (!port_ || index < 0 || static_cast<std::size_t>(index) >= history_.size()) return false;
  if (!port_->Open()) return false;
  const std::wstring& text = history_[static_cast<std::size_t>(index)].text;
  const bool copied = port_->Replace(text);
  port_->Close();
  // A failed copy may still have emptied the clipboard; that update is
  // captured (and ignored, having no text) like any other.
  if (!copied) return false;
  own_copy_ = true;
  copied_index_ = index;
  copied_text_ = text;
  copied_at_ms_ = island_ ? island_->now_ms() : 0.0;
  if (island_) {
    island_->StartTimer(island_timer::kCopyFeedback, kCopyFeedbackTimerMs);
    island_->Redraw();
  }
  return true;
}

// The feedback stays on the entry that was copied while the history moves
// under it, and ends when that entry is gone.
void ClipboardActivity::FollowCopiedEntry() {
  if (copied_index_ >= 0) copied_index_ = history_.Find(copied_text_);
}

int ClipboardActivity::CopiedRow(double now_ms) const {
  return copied_index_ >= 0 && now_ms - copied_at_ms_ < kCopiedFeedbackMs ? copied_index_ : -1;
}

void ClipboardActivity::Draw(Canvas& canvas, const RectF& box, const IslandRecord& record, double now_ms,
                             const IslandTextFormats& formats, HitRegions& hits) const {
  const float left = box.left, right = box.right, y = box.top;
  if (history_.empty()) {
    DrawGlyph(canvas, kEmptyGlyph, {left + 10.0f, y + 14.0f, right - 10.0f, y + 42.0f}, formats[TextRole::Icon20],
              White(0.35f));
    canvas.DrawText(Translate(L"O que você copiar aparece aqui"), formats[TextRole::SmallCentred],
                    {left + 10.0f, y + 46.0f, right - 10.0f, y + 62.0f}, Brush::Solid(White(0.55f)));
    return;
  }
  const int copied = CopiedRow(now_ms);
  const std::size_t rows = std::min(history_.size(), kShownRows);
  for (std::size_t i = 0; i < rows; ++i) {
    const int index = static_cast<int>(i);
    const float top = y + kRowStep * static_cast<float>(i);
    const RectF row{left + 10.0f, top, right - 10.0f - (i == 0 ? kClearRoom : 0.0f), top + kRowHeight};
    const HitItem item{clipboard_hit::kEntry, index};
    const ButtonState state = StateOf(record, item);
    if (state != ButtonState::Rest) DrawButtonHighlight(canvas, row, RowRadius(record.theme), record.theme, state);
    const bool feedback = index == copied;
    DrawGlyph(canvas, feedback ? kCopiedGlyph : kEntryGlyph, {left + 14.0f, top, left + 32.0f, top + kRowHeight},
              formats[TextRole::Icon12], feedback ? kCopiedGreen : White(0.55f));
    const RectF text{left + 37.0f, top, row.right - 6.0f, top + kRowHeight};
    if (feedback) {
      canvas.DrawText(Translate(L"Copiado"), formats[TextRole::Secondary], text, Brush::Solid(kCopiedGreen));
    } else {
      canvas.DrawText(history_[i].row, formats[TextRole::Secondary], text, Brush::Solid(White()));
    }
    hits.Add(clipboard_hit::kEntry, row, index);
  }
  const RectF clear{right - kClearWidth, y, right, y + kRowHeight};
  const bool clear_hovered = record.hovered_item.kind == clipboard_hit::kClear;
  canvas.DrawText(Translate(L"Limpar"), formats[TextRole::SmallCentred], clear,
                  Brush::Solid(White(clear_hovered ? 1.0f : 0.55f)));
  hits.Add(clipboard_hit::kClear, clear);
}

}  // namespace notch
