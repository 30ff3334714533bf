#include "panel/button_layout.h"

#include <algorithm>
#include <cstdlib>

#include "host/translate.h"
#include "panel/panel_rules.h"

namespace notch::quick {
namespace {

std::wstring T(const wchar_t* portuguese) { return Translate(portuguese); }

constexpr std::array<ButtonInfo, kButtonCount> kCatalogue{{
    {L"home", control::kMediaPage, L"Início", L"Início"},
    {L"timer", control::kTimerPage, L"Timer", L"Timer"},
    {L"clipboard", control::kClipboardPage, L"Histórico da área de transferência", L"Transferência"},
    {L"shelf", control::kShelfPage, L"Estante", L"Estante"},
    {L"system", control::kStatisticsPage, L"Estatísticas do sistema", L"Sistema"},
    {L"wifi", control::kWiFiPage, L"Wi-Fi", L"Wi-Fi"},
    {L"bluetooth", control::kBluetoothPage, L"Bluetooth", L"Bluetooth"},
    {L"hotspot", control::kHotspot, L"Ponto de acesso", L"Ponto de acesso"},
    {L"sound", control::kSoundPage, L"Som", L"Som"},
    {L"display", control::kDisplayPage, L"Tela", L"Tela"},
    {L"search", control::kSearchPage, L"Pesquisar apps e arquivos", L"Pesquisa"},
    {L"notch", control::kNotchPage, L"Configurações do notch", L"Notch"},
    {L"previous", control::kPrevious, L"Faixa anterior", L"Anterior"},
    {L"play", control::kPlayPause, L"Tocar ou pausar", L"Tocar"},
    {L"next", control::kNext, L"Próxima faixa", L"Próxima"},
    {L"lyrics", control::kLyrics, L"Letras", L"Letras"},
}};

// One row slot of the Home grid; capacity 0 marks the row whose capacity
// depends on the number of buttons.
struct RowSlot {
  int x, y, width, height, capacity;
};
constexpr std::array<RowSlot, 6> kRowSlots{{
    {12, 8, 132, 38, 3},
    {152, 8, 80, 38, 2},
    {12, 54, 220, 34, 0},
    {12, 96, 172, 38, 3},
    {192, 96, 40, 38, 1},
    {12, 142, 220, 34, 4},
}};

void ParsePart(std::wstring_view part, std::vector<int>& out, std::array<bool, kButtonCount>& seen) {
  while (true) {
    const std::size_t comma = part.find(L',');
    const std::wstring_view token = part.substr(0, comma);
    if (const auto button = ButtonFromKey(token); button && !seen[static_cast<std::size_t>(*button)]) {
      seen[static_cast<std::size_t>(*button)] = true;
      out.push_back(*button);
    }
    if (comma == std::wstring_view::npos) break;
    part.remove_prefix(comma + 1);
  }
}

std::wstring JoinKeys(const std::vector<int>& buttons) {
  std::wstring out;
  for (const int button : buttons) {
    if (!out.empty()) out += L',';
    out += kCatalogue[static_cast<std::size_t>(button)].key;
  }
  return out;
}

bool ValidButton(int button) { return button >= 0 && button < kButtonCount; }

// A pixel coordinate in DIPs, rounded as MulDiv rounds.
int ToDip(int pixels, unsigned dpi) {
  if (dpi == 0) dpi = 96;
  const long long product = static_cast<long long>(pixels) * 96;
  const long long half = static_cast<long long>(dpi) / 2;
  const long long d = static_cast<long long>(dpi);
  return static_cast<int>(product >= 0 ? (product + half) / d : -((-product + half) / d));
}

int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

}  // namespace

const std::array<ButtonInfo, kButtonCount>& ButtonCatalogue() { return kCatalogue; }

std::optional<int> ButtonFromKey(std::wstring_view key) {
  for (int i = 0; i < kButtonCount; ++i) {
    if (key == kCatalogue[static_cast<std::size_t>(i)].key) return i;
  }
  return std::nullopt;
}

std::optional<int> ButtonOfTile(int id) {
  for (int i = 0; i < kButtonCount; ++i) {
    if (kCatalogue[static_cast<std::size_t>(i)].id == id) return i;
  }
  return std::nullopt;
}

std::wstring ButtonTooltip(int button) {
  return ValidButton(button) ? T(kCatalogue[static_cast<std::size_t>(button)].tooltip) : std::wstring();
}

std::wstring ButtonShortName(int button) {
  return ValidButton(button) ? T(kCatalogue[static_cast<std::size_t>(button)].short_name) : std::wstring();
}

Layout DefaultLayout() { return Layout{{0, 1, 2, 3, 4}, {5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}}; }

Layout ParseLayout(std::wstring_view value) {
  const std::size_t bar = value.find(L'|');
  if (value.empty() || bar == std::wstring_view::npos) return DefaultLayout();
  Layout layout;
  std::array<bool, kButtonCount> seen{};
  ParsePart(value.substr(0, bar), layout.header, seen);
  ParsePart(value.substr(bar + 1), layout.panel, seen);
  if (layout.header.size() > static_cast<std::size_t>(kHeaderCapacity)) {
    const auto overflow = layout.header.begin() + kHeaderCapacity;
    layout.panel.insert(layout.panel.begin(), overflow, layout.header.end());
    layout.header.erase(overflow, layout.header.end());
  }
  for (int i = 0; i < kButtonCount; ++i) {
    if (!seen[static_cast<std::size_t>(i)]) layout.panel.push_back(i);
  }
  return layout;
}

std::wstring SerializeLayout(const Layout& layout) { return JoinKeys(layout.header) + L'|' + JoinKeys(layout.panel); }

bool IsDefaultLayout(const Layout& layout) { return layout == DefaultLayout(); }

int PanelRowCount(const Layout& layout) {
  return static_cast<int>((layout.panel.size() + kHeaderCapacity - 1) / kHeaderCapacity);
}

std::optional<Layout> MovedLayout(const Layout& layout, int button, bool to_header, int index) {
  Layout moved = layout;
  std::vector<int>& target = to_header ? moved.header : moved.panel;
  std::vector<int>& other = to_header ? moved.panel : moved.header;
  if (index < 0 || index > static_cast<int>(target.size())) return std::nullopt;
  if (const auto at = std::find(target.begin(), target.end(), button); at != target.end()) {
    const int p = static_cast<int>(at - target.begin());
    if (index == p || index == p + 1) return std::nullopt;
    target.erase(at);
    if (p < index) --index;
    target.insert(target.begin() + index, button);
    return moved;
  }
  const auto at = std::find(other.begin(), other.end(), button);
  if (at == other.end()) return std::nullopt;
  if (to_header && moved.header.size() >= static_cast<std::size_t>(kHeaderCapacity)) return std::nullopt;
  other.erase(at);
  target.insert(target.begin() + index, button);
  return moved;
}

Layout LayoutStore::Current() {
  std::lock_guard lock(mutex_);
  if (!layout_) layout_ = ParseLayout(settings_.Read(setting::kButtonLayout, L""));
  return *layout_;
}

LayoutStore::SaveResult LayoutStore::Save(const Layout& layout, SaveKind kind) {
  std::lock_guard lock(mutex_);
  if (!settings_.Write(setting::kButtonLayout, SerializeLayout(layout))) {
    return {false, T(L"Não foi possível salvar o layout dos botões.")};
  }
  layout_ = layout;
  return {true, kind == SaveKind::Reset ? T(L"Layout padrão restaurado.") : T(L"Layout salvo.")};
}

std::optional<LayoutStore::SaveResult> LayoutStore::Move(int button, bool to_header, int index) {
  const auto moved = MovedLayout(Current(), button, to_header, index);
  if (!moved) return std::nullopt;
  return Save(*moved, SaveKind::Move);
}

HeaderAction HeaderButtonAction(int button) {
  if (!ValidButton(button)) return HeaderAction::IslandMedia;
  return static_cast<HeaderAction>(button);
}

std::vector<HomeTileRect> HomeTileGrid(const std::vector<int>& panel) {
  std::vector<HomeTileRect> tiles;
  const int n = static_cast<int>(panel.size());
  int next = 0;
  for (const RowSlot& slot : kRowSlots) {
    if (next >= n) break;
    const int capacity = slot.capacity > 0 ? slot.capacity : std::clamp(n - 9, 1, 4);
    const int k = std::min(capacity, n - next);
    for (int j = 0; j < k; ++j) {
      const int button = panel[static_cast<std::size_t>(next + j)];
      const int id = ValidButton(button) ? kCatalogue[static_cast<std::size_t>(button)].id : 0;
      tiles.push_back(
          {button, id, slot.x + j * slot.width / k, slot.y, slot.x + (j + 1) * slot.width / k, slot.y + slot.height});
    }
    next += k;
  }
  return tiles;
}

int HomeTileRows(const std::vector<int>& panel) {
  const int n = static_cast<int>(panel.size());
  int next = 0, rows = 0;
  for (const RowSlot& slot : kRowSlots) {
    if (next >= n) break;
    const int capacity = slot.capacity > 0 ? slot.capacity : std::clamp(n - 9, 1, 4);
    next += std::min(capacity, n - next);
    ++rows;
  }
  return rows;
}

int HomePageHeight(const std::vector<int>& panel) { return HomeTileRows(panel) >= 6 ? 204 : 164; }

void UseLayout(PageInputs& in, Layout layout) {
  in.size.home_tile_rows = HomeTileRows(layout.panel);
  in.size.panel_buttons = static_cast<int>(layout.panel.size());
  in.home_buttons = std::move(layout.panel);
  in.header_buttons = std::move(layout.header);
}

const char* ButtonIconPath(int button, bool playing, bool lyrics_on) {
  switch (button) {
    case 0:
      return "M 3 11 L 12 3 L 21 11 M 5 9 L 5 21 L 10 21 L 10 15 L 14 15 L 14 21 L 19 21 L 19 9";
    case 1:
      return "M 20 13 Q 20 21 12 21 Q 4 21 4 13 Q 4 5 12 5 Q 20 5 20 13 Z M 9 2 L 15 2 M 12 8 L 12 13 L 16 15";
    case 2:
      return "M 8 5 L 5 5 L 5 21 L 19 21 L 19 5 L 16 5 M 8 3 L 16 3 L 16 7 L 8 7 Z M 8 12 L 16 12 M 8 16 L 14 16";
    case 3:
      return "M 3 14 L 6 6 L 18 6 L 21 14 L 21 20 L 3 20 Z M 3 14 L 8 14 L 10 17 L 14 17 L 16 14 L 21 14";
    case 4:
      return "M 3 4 L 21 4 L 21 20 L 3 20 Z M 6 13 L 9 13 L 11 8 L 14 16 L 16 12 L 18 12";
    case 5:
      return "M 3 8 Q 12 0 21 8 M 6 12 Q 12 7 18 12 M 9 16 Q 12 13 15 16 M 12 20 L 12 20.1";
    case 6:
      return "M 5 6 L 19 18 L 12 22 L 12 2 L 19 6 L 5 18";
    case 7:
      return "M 12 13 L 12 21 M 9 21 L 15 21 M 12 10 L 12 10.2 M 8 6 Q 4 10 8 14 M 16 6 Q 20 10 16 14 M 5 3 Q -2 10 5 "
             "17 M 19 3 Q 26 10 19 17";
    case 8:
      return "M 3 9 L 7 9 L 12 5 L 12 19 L 7 15 L 3 15 Z M 16 8 Q 20 12 16 16 M 19 5 Q 25 12 19 19";
    case 9:
      return "M 3 4 L 21 4 L 21 17 L 3 17 Z M 12 17 L 12 21 M 7 21 L 17 21";
    case 10:
      return "M 17 10 Q 17 17 10 17 Q 3 17 3 10 Q 3 3 10 3 Q 17 3 17 10 Z M 15 15 L 21 21";
    case 11:
      return "M 3 5 L 21 5 M 6 5 L 6 11 Q 6 14 9 14 L 15 14 Q 18 14 18 11 L 18 5";
    case 12:
      return "M 5 5 L 5 19 M 19 5 L 8 12 L 19 19 Z";
    case 13:
      return playing ? "M 8 5 L 8 19 M 16 5 L 16 19" : "M 7 4 L 20 12 L 7 20 Z";
    case 14:
      return "M 19 5 L 19 19 M 5 5 L 16 12 L 5 19 Z";
    case 15:
      return lyrics_on ? "M 3 6 L 21 6 L 21 18 L 3 18 Z M 6 10 L 10 10 M 13 10 L 18 10 M 6 14 L 18 14"
                       : "M 3 6 L 21 6 L 21 18 L 3 18 Z M 3 3 L 21 21";
    default:
      return nullptr;
  }
}

DipRect ChipRect(int index, bool in_header) {
  const int top = in_header ? kHeaderChipTop : kPanelChipTop;
  return {(index % 6) * 55 + 21, top + (index / 6) * 48, 51, 44};
}

std::wstring SlotsUsedText(const Layout& layout) {
  return std::to_wstring(layout.header.size()) + L" / " + std::to_wstring(kHeaderCapacity) + T(L" espaços usados");
}

std::wstring CustomizeHint() { return T(L"Ctrl + ←/→ para reordenar  ·  Ctrl + ↑/↓ para mover entre seções"); }

bool DragStarts(int dx, int dy, unsigned dpi) {
  const int threshold = ScaleDip(4, dpi == 0 ? 96 : dpi);
  return std::abs(dx) >= threshold || std::abs(dy) >= threshold;
}

std::optional<DropTarget> DropTargetAt(const Layout& layout, int button, int x, int y, unsigned dpi) {
  const int xd = ToDip(x, dpi);
  const int yd = ToDip(y, dpi);
  if (xd < 15 || xd > 355) return std::nullopt;
  int row = 0;
  bool header = false;
  if (yd >= 80 && yd < 134) {
    header = true;
  } else if (yd >= 160 && yd < kPanelChipTop + 48 * PanelRowCount(layout)) {
    row = std::max(0, FloorDiv(yd - kPanelChipTop, 48));
  } else {
    return std::nullopt;
  }
  const int column = std::clamp((xd + 6) / 55, 0, 6);
  const std::vector<int>& list = header ? layout.header : layout.panel;
  DropTarget target;
  target.header = header;
  target.index = std::min(row * 6 + column, static_cast<int>(list.size()));
  const bool in_header = std::find(layout.header.begin(), layout.header.end(), button) != layout.header.end();
  target.allowed = !(header && !in_header && layout.header.size() >= static_cast<std::size_t>(kHeaderCapacity));
  return target;
}

DipRect InsertionMarker(const DropTarget& target) {
  int row = target.index / kHeaderCapacity;
  int column = target.index % kHeaderCapacity;
  if (column == 0 && row > 0) {
    --row;
    column = kHeaderCapacity;
  }
  const int top = (target.header ? kHeaderChipTop : kPanelChipTop) + row * 48;
  return {column * 55 + 21 - 4, top, 3, 44};
}

std::wstring DragStatus(const std::optional<DropTarget>& target) {
  if (!target) return T(L"Arraste até uma seção para posicionar o botão.");
  if (!target->allowed) return T(L"O cabeçalho do notch está cheio.");
  return target->header ? T(L"Solte para posicionar no cabeçalho do notch.")
                        : T(L"Solte para posicionar nos Controles rápidos.");
}

std::wstring HeaderFullMessage() { return T(L"O cabeçalho do notch está cheio. Retire um botão primeiro."); }

KeyMove ChipKeyMove(const Layout& layout, int button, ChipKey key) {
  const auto find = [button](const std::vector<int>& list) {
    const auto at = std::find(list.begin(), list.end(), button);
    return at == list.end() ? -1 : static_cast<int>(at - list.begin());
  };
  const int in_header = find(layout.header);
  const int in_panel = find(layout.panel);
  const bool header = in_header >= 0;
  const int position = header ? in_header : in_panel;
  if (position < 0) return {};
  const int size = static_cast<int>(header ? layout.header.size() : layout.panel.size());
  switch (key) {
    case ChipKey::Left:
      if (position == 0) return {};
      return {KeyMove::Kind::Move, header, position - 1};
    case ChipKey::Right:
      if (position + 1 >= size) return {};
      return {KeyMove::Kind::Move, header, position + 2};
    case ChipKey::Up:
      if (header) return {};
      if (layout.header.size() >= static_cast<std::size_t>(kHeaderCapacity)) return {KeyMove::Kind::HeaderFull};
      return {KeyMove::Kind::Move, true, static_cast<int>(layout.header.size())};
    case ChipKey::Down:
      if (!header) return {};
      return {KeyMove::Kind::Move, false, static_cast<int>(layout.panel.size())};
  }
  return {};
}

}  // namespace notch::quick
