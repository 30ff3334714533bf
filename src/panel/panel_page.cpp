#include "panel/panel_page.h"

#include <algorithm>
#include <array>

#include "host/translate.h"
#include "panel/button_layout.h"

namespace notch::quick {
namespace {

std::wstring T(const wchar_t* portuguese) { return Translate(portuguese); }

constexpr std::array<std::string_view, kPageCount> kPageNames = {
    "Home", "WiFi", "Bluetooth", "Sound", "Display", "NotchSettings", "Search", "SearchSettings", "CustomizeButtons"};

class Builder {
 public:
  explicit Builder(PageLayout& layout) : layout_(layout) {}

  PanelControl& Add(int id, ControlKind kind, std::wstring text, DipRect rect, FontRole font = FontRole::Normal) {
    PanelControl& c = layout_.controls.emplace_back();
    c.id = id;
    c.kind = kind;
    c.text = std::move(text);
    c.rect = rect;
    c.font = font;
    return c;
  }
  PanelControl& Button(int id, const wchar_t* text, DipRect rect) {
    return Add(id, ControlKind::Button, T(text), rect);
  }
  PanelControl& Section(const wchar_t* text, int x, int y) {
    PanelControl& c = Add(control::kLabel, ControlKind::Label, T(text), {x, y, 336, 16}, FontRole::Section);
    c.muted = true;
    return c;
  }
  PanelControl& List(DipRect rect) { return Add(control::kList, ControlKind::List, L"", rect); }
  PanelControl& Trackbar(DipRect rect) {
    PanelControl& c = Add(control::kSlider, ControlKind::Trackbar, L"", rect);
    c.range_max = 100;
    return c;
  }
  PanelControl& Find(int id) {
    for (PanelControl& c : layout_.controls) {
      if (c.id == id) return c;
    }
    return layout_.controls.front();
  }

 private:
  PageLayout& layout_;
};

}  // namespace

std::string_view PageName(Page page) {
  const int value = static_cast<int>(page);
  return value >= 0 && value < kPageCount ? kPageNames[static_cast<std::size_t>(value)] : std::string_view("Unknown");
}

std::optional<Page> PageFromName(std::string_view name) {
  for (std::size_t i = 0; i < kPageNames.size(); ++i) {
    if (kPageNames[i] == name) return static_cast<Page>(i);
  }
  return std::nullopt;
}

std::string_view ControlKindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Button:
      return "button";
    case ControlKind::Label:
      return "label";
    case ControlKind::Edit:
      return "edit";
    case ControlKind::List:
      return "list";
    case ControlKind::Trackbar:
      return "trackbar";
  }
  return "label";
}

PanelSize PageSize(int page_value, const PageSizeInputs& in) {
  switch (page_value) {
    case 0:
      return {244, in.home_tile_rows >= 6 ? 204 : 164};
    case 1:
    case 2:
      return {372, 320};
    case 3:
      return {372, 314};
    case 4:
      return {372, 192};
    case 5:
      return {372, 310};
    case 6: {
      const int rows = in.search_rows <= 0 ? 5 : std::min(in.search_rows, 5);
      return {428, 188 + 36 * rows};
    }
    case 7:
      return {372, 326};
    case 8:
      return {372, 202 + 48 * ((std::max(in.panel_buttons, 0) + 5) / 6)};
    default:
      return {372, 320};
  }
}

PanelSize PageSize(Page page, const PageSizeInputs& in) { return PageSize(static_cast<int>(page), in); }

std::wstring PageTitle(Page page) {
  switch (page) {
    case Page::Home:
      return L"";
    case Page::WiFi:
      return T(L"Wi-Fi");
    case Page::Bluetooth:
      return T(L"Bluetooth");
    case Page::Sound:
      return T(L"Som");
    case Page::Display:
      return T(L"Tela");
    case Page::NotchSettings:
      return T(L"Notch");
    case Page::Search:
      return T(L"Pesquisa");
    case Page::SearchSettings:
      return T(L"Configurações da pesquisa");
    case Page::CustomizeButtons:
      return T(L"Personalizar botões");
  }
  return T(L"Controles rápidos");
}

int TitleWidth(Page page, int panel_width) {
  switch (page) {
    case Page::WiFi:
    case Page::Bluetooth:
      return 214;
    case Page::Sound:
    case Page::Display:
      return 208;
    case Page::NotchSettings:
    case Page::SearchSettings:
      return 304;
    case Page::Search:
      return 158;
    case Page::CustomizeButtons:
      return 184;
    case Page::Home:
      return 0;
  }
  return panel_width - 68;
}

std::vector<int> DefaultHomeButtons() { return DefaultLayout().panel; }
std::vector<int> DefaultHeaderButtons() { return DefaultLayout().header; }

std::wstring StyleName(IslandStyle style) {
  switch (style) {
    case IslandStyle::Pill:
      return T(L"Pílula");
    case IslandStyle::ActivityOnly:
      return T(L"Só atividades");
    case IslandStyle::Notch:
      break;
  }
  return T(L"Notch");
}

std::wstring ThemeName(Theme theme) {
  switch (theme) {
    case Theme::Tahoe:
      return L"Tahoe";
    case Theme::GoldenGate:
      return L"Golden Gate";
    case Theme::Leopard:
      return L"Leopard";
    case Theme::Sequoia:
      break;
  }
  return L"Sequoia";
}

std::wstring NotchSubtitle(IslandStyle style, Theme theme) {
  return T(L"Estilo: ") + StyleName(style) + T(L" · Tema: ") + ThemeName(theme);
}

int StyleControl(IslandStyle style) {
  switch (style) {
    case IslandStyle::Pill:
      return control::kStylePill;
    case IslandStyle::ActivityOnly:
      return control::kStyleActivity;
    case IslandStyle::Notch:
      break;
  }
  return control::kStyleNotch;
}

std::wstring LyricsTileText(bool on) { return on ? T(L"Letras ligadas") : T(L"Letras desligadas"); }
std::wstring PlayTileText(bool playing) { return playing ? T(L"Pausar") : T(L"Tocar"); }

PageLayout BuildPage(Page page, const PageInputs& in) {
  PageLayout layout;
  layout.page = page;
  PageSizeInputs size = in.size;
  if (page == Page::Home) size.home_tile_rows = HomeTileRows(in.home_buttons);
  if (page == Page::CustomizeButtons) size.panel_buttons = static_cast<int>(in.home_buttons.size());
  layout.size = PageSize(page, size);
  const int w = layout.size.w;
  const int h = layout.size.h;
  Builder b(layout);

  std::wstring status;
  if (page != Page::Home) {
    const int title_width = TitleWidth(page, w);
    b.Button(control::kBack, L"Voltar", {16, 12, 28, 28});
    b.Add(control::kTitle, ControlKind::Label, PageTitle(page), {52, 8, title_width, 22}, FontRole::Title);
    b.Add(control::kSubtitle, ControlKind::Label, L"", {52, 29, title_width, 16}, FontRole::Small).muted = true;
    b.Add(control::kStatus, ControlKind::Label, L"", {16, h - 22, w - 32, 16}, FontRole::Small).muted = true;
  } else {
    b.Add(control::kStatus, ControlKind::Label, L"", {12, h - 22, w - 134, 16}, FontRole::Small).muted = true;
  }

  switch (page) {
    case Page::Home: {
      for (const HomeTileRect& tile : HomeTileGrid(in.home_buttons)) {
        std::wstring text = ButtonTooltip(tile.button);
        if (tile.id == control::kLyrics) text = LyricsTileText(in.lyrics_on);
        if (tile.id == control::kPlayPause) text = PlayTileText(in.media_playing);
        PanelControl& c = b.Add(tile.id, ControlKind::Button, text,
                                {tile.left, tile.top, tile.right - tile.left, tile.bottom - tile.top}, FontRole::Icon);
        if (tile.id >= control::kPrevious && tile.id <= control::kNext) c.enabled = in.media_available;
      }
      b.Button(control::kCustomize, L"Personalizar", {w - 114, h - 26, 102, 24});
      status = in.media_available ? T(L"Controles rápidos") : T(L"Nenhuma mídia tocando");
      break;
    }
    case Page::WiFi:
    case Page::Bluetooth: {
      const bool wifi = page == Page::WiFi;
      b.Button(control::kRefresh, L"Atualizar", {274, 13, 82, 26});
      if (wifi) {
        b.Button(control::kRadioToggle, L"Wi-Fi", {16, 62, 166, 52});
        b.Button(control::kHotspot, L"Ponto de acesso", {190, 62, 166, 52});
      } else {
        b.Button(control::kRadioToggle, L"Bluetooth", {16, 62, 340, 52});
      }
      b.Section(wifi ? L"Redes próximas" : L"Dispositivos", 18, 122);
      b.List({20, 144, 332, 105});
      b.Button(control::kAct, wifi ? L"Conectar" : L"Parear dispositivo", {16, 264, 174, 30});
      b.Button(control::kSettings, L"Configurações do Windows", {216, 264, 140, 30});
      status = wifi ? T(L"Procurando redes Wi-Fi…") : T(L"Procurando dispositivos Bluetooth…");
      break;
    }
    case Page::Sound:
      b.Button(control::kSettings, L"Configurações", {268, 13, 88, 26});
      b.Add(control::kValue, ControlKind::Label, L"", {196, 71, 70, 18}, FontRole::Value);
      b.Button(control::kMute, L"Mudo", {274, 68, 70, 24});
      b.Trackbar({52, 102, 300, 30});
      b.Section(L"Dispositivos de saída", 18, 151);
      b.List({20, 174, 332, 105});
      status = T(L"Selecione um dispositivo de saída para trocar.");
      break;
    case Page::Display: {
      b.Button(control::kSettings, L"Configurações", {268, 13, 88, 26});
      b.Add(control::kValue, ControlKind::Label, L"", {274, 73, 70, 18}, FontRole::Value);
      PanelControl& slider = b.Trackbar({52, 103, 300, 30});
      if (in.brightness) {
        b.Find(control::kValue).text = std::to_wstring(*in.brightness) + L"%";
        b.Find(control::kSubtitle).text = T(L"Tela integrada ou principal");
        status = T(L"Arraste o controle para ajustar o brilho da tela.");
      } else {
        b.Find(control::kSlider).enabled = false;
        b.Find(control::kSubtitle).text = T(L"Verificando o brilho da tela…");
      }
      (void)slider;
      break;
    }
    case Page::NotchSettings:
      b.Find(control::kSubtitle).text = NotchSubtitle(in.style, in.theme);
      b.Section(L"Formato da ilha", 18, 60);
      b.Button(control::kStyleNotch, L"Notch", {20, 82, 106, 34});
      b.Button(control::kStylePill, L"Pílula", {130, 82, 106, 34});
      b.Button(control::kStyleActivity, L"Só atividades", {240, 82, 112, 34});
      b.Section(L"Preferências", 18, 128);
      b.Button(control::kTheme, L"Tema", {20, 152, 332, 38});
      b.Button(control::kAutoHide, L"Ocultar automaticamente", {20, 193, 332, 38});
      b.Button(control::kSearchSettings, L"Pesquisa e navegador", {20, 234, 332, 38});
      status = T(L"Ctrl+Alt+N oculta ou mostra o notch.");
      break;
    case Page::Search:
      b.Button(control::kDefaultBrowser, L"Padrão", {218, 13, 100, 26});
      b.Button(control::kSettings, L"Configurações", {324, 13, 88, 26});
      b.Add(control::kSearchEdit, ControlKind::Edit, L"", {53, 72, 349, 18});
      b.List({20, 113, 388, 180});
      b.Button(control::kAct, L"Abrir", {16, 306, 84, 30});
      b.Button(control::kTerminal, L"Abrir no terminal", {106, 306, 104, 30});
      break;
    case Page::CustomizeButtons: {
      const Layout buttons{in.header_buttons, in.home_buttons};
      b.Button(control::kResetLayout, L"Redefinir layout", {244, 13, 112, 26}).enabled = !IsDefaultLayout(buttons);
      b.Find(control::kSubtitle).text = T(L"Arraste os botões para reorganizá-los.");
      b.Section(L"Cabeçalho do notch", 18, 63).rect.w = 200;
      PanelControl& slots =
          b.Add(control::kLabel, ControlKind::Label, SlotsUsedText(buttons), {234, 63, 120, 16}, FontRole::Small);
      slots.muted = true;
      slots.align_right = true;
      b.Section(L"Controles rápidos", 18, 143).rect.w = 200;
      for (const bool header : {true, false}) {
        const std::vector<int>& list = header ? buttons.header : buttons.panel;
        for (std::size_t i = 0; i < list.size(); ++i) {
          b.Add(kChipBaseId + list[i], ControlKind::Button, ButtonTooltip(list[i]),
                ChipRect(static_cast<int>(i), header), FontRole::Small);
        }
      }
      status = CustomizeHint();
      break;
    }
    case Page::SearchSettings:
      b.Section(L"Global shortcut", 18, 60);
      b.Button(control::kAltSpace, L"Alt+Space", {20, 82, 98, 32});
      b.Button(control::kCtrlAltSpace, L"Ctrl+Alt+Space", {122, 82, 130, 32});
      b.Button(control::kCustomShortcut, L"Custom shortcut", {256, 82, 96, 32});
      b.Section(L"Open web links with", 18, 126);
      b.List({20, 148, 332, 96});
      b.Button(control::kAct, L"Use app", {16, 256, 94, 30});
      b.Button(control::kBrowse, L"Browse .exe\u2026", {116, 256, 126, 30});
      b.Button(control::kFallback, L"Google", {248, 256, 108, 30});
      status = L"Shortcuts: yt, gpt, opus, g, gh, ddg, w, maps, r";
      break;
  }
  b.Find(control::kStatus).text = status;
  return layout;
}

}  // namespace notch::quick
