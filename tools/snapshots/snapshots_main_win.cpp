// notch_snapshots OUTPUT_FOLDER: draws island frames, document badges and a
// symbol sheet with the program's own painting code (Direct2D on WIC
// bitmaps) and writes them as PNG files into OUTPUT_FOLDER. Symbols come from
// the .svg files of TEMBO_NOTCH_SYMBOLS when it is set, as in the program.
#include <windows.h>

#include <d2d1.h>
#include <wrl/client.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "activities/island_activity_set.h"
#include "activities/media_art.h"
#include "common/environment.h"
#include "common/ini_document.h"
#include "host/host_links_win.h"
#include "host/startup_rules.h"
#include "lyrics/lyrics_sheet.h"
#include "png_file_win.h"
#include "render/file_icon_win.h"
#include "render/fonts.h"
#include "render/fonts_win.h"
#include "render/island_painter.h"
#include "render/path_icon.h"
#include "render/symbols.h"
#include "render/wic_canvas_win.h"
#include "shell/ilha/shape_paths.h"
#include "snapshot_plan.h"

namespace notch::snapshots {
namespace {

using Microsoft::WRL::ComPtr;

NoticeCard SampleCard(bool long_title) {
  if (long_title) {
    return {L"Lembrete: a reunião de planejamento do trimestre começa em cinco minutos na sala grande",
            L"",
            0,
            {1, 1, 1, 1},
            {},
            {}};
  }
  return {L"Download concluído", L"relatorio-trimestral.pdf", kDownloadGlyph, kDownloadBlue, {}, {}};
}

// A sample track 1.6 s into its first lyric line: a 192 x 192 cover of a
// warm gradient and two word-timed lines.
MediaSnapshot SampleTrack() {
  MediaSnapshot media;
  media.has_media = media.playing = true;
  media.shuffle_enabled = true;
  media.title = L"Horizonte Azul";
  media.artist = L"Trio Exemplo";
  media.duration_s = 214.0;
  media.position_s = 1.6;
  auto pixels = std::make_shared<std::vector<std::uint8_t>>();
  for (int y = 0; y < 192; ++y) {
    for (int x = 0; x < 192; ++x) {
      pixels->insert(pixels->end(), {static_cast<std::uint8_t>(80 + y / 2), static_cast<std::uint8_t>(60 + x / 3),
                                     static_cast<std::uint8_t>(230 - y / 4), 255});
    }
  }
  media.tint = ArtTint(*pixels, 192, 192);
  media.art_pixels = pixels;
  media.art_width = media.art_height = 192;
  media.art_version = 1;
  auto sheet = std::make_shared<lyrics::Sheet>();
  const auto add_line = [&](std::int32_t start, std::int32_t end, const std::wstring& text) {
    lyrics::Line line{start, text, end, {}};
    std::int32_t offset = 0, word_start = start;
    const std::int32_t step = (end - start) / 5;
    for (std::size_t at = 0; at <= text.size(); ++at) {
      if (at == text.size() || text[at] == L' ') {
        line.words.push_back({word_start, word_start + step, offset, static_cast<std::int32_t>(at) - offset});
        offset = static_cast<std::int32_t>(at) + 1;
        word_start += step;
      }
    }
    sheet->lines.push_back(std::move(line));
  };
  add_line(0, 3000, L"Luzes da cidade acordam devagar");
  add_line(3000, 6000, L"E o rio canta sem ninguém ouvir");
  media.lyrics = sheet;
  return media;
}

// Texts someone copied: five, so that the page shows its four newest.
class SampleClipboard final : public ClipboardPort {
 public:
  std::wstring text;
  bool Listen() override { return true; }
  bool Offers(ClipboardFormat format) const override { return format == ClipboardFormat::UnicodeText; }
  bool Open() override { return true; }
  void Close() override {}
  void Wait(unsigned) override {}
  std::optional<std::uint32_t> ReadValue(ClipboardFormat) override { return std::nullopt; }
  std::optional<std::wstring> ReadText(std::size_t) override { return text; }
  bool Replace(std::wstring_view replacement) override {
    text = replacement;
    return true;
  }
};

// Forty seconds of a busy machine: a processor that rises and falls, memory
// filling slowly, a download that starts halfway.
class SampleCounters final : public StatisticsSource {
 public:
  StatisticsReadings Read() override {
    const double t = static_cast<double>(second_++);
    busy_ += static_cast<std::uint64_t>(10000000.0 * (0.35 + 0.25 * std::sin(t / 4.0)));
    elapsed_ += 10000000;
    received_ +=
        static_cast<std::uint32_t>(t < 20 ? 40000.0 + 20000.0 * std::sin(t) : 1800000.0 + 600000.0 * std::sin(t / 3.0));
    sent_ += static_cast<std::uint32_t>(30000.0 + 15000.0 * std::cos(t / 2.0));
    StatisticsReadings r;
    r.times = SystemTimes{elapsed_ - busy_, elapsed_, 0};
    r.memory_load_percent = 52 + static_cast<unsigned>(t / 8.0);
    r.interfaces = {{7, kInterfaceWireless, true, received_, sent_}};
    return r;
  }

 private:
  int second_ = 0;
  std::uint64_t busy_ = 0, elapsed_ = 0;
  std::uint32_t received_ = 0, sent_ = 0;
};

// Five minutes started 2:46 ago; the pictures draw at time 0.
Countdown SampleCountdown(ActivitySample sample) {
  Countdown countdown;
  if (sample == ActivitySample::Countdown) countdown.Start(5, -166000.0);
  return countdown;
}

void PrepareShelf(ShelfActivity& shelf, IslandRecord& record, ActivitySample sample) {
  if (sample == ActivitySample::ShelfFiles && shelf.list().empty()) {
    shelf.Drop({L"C:\\Users\\ana\\Documents\\notas.md", L"C:\\Users\\ana\\Music\\faixa.mp3",
                L"C:\\Users\\ana\\Downloads\\relatorio-trimestral.pdf", L"C:\\Users\\ana\\Pictures\\praia.png",
                L"C:\\Users\\ana\\Videos\\ferias-no-litoral.mp4", L"C:\\Users\\ana\\Downloads\\fotos.zip"});
  } else if (sample != ActivitySample::ShelfFiles) {
    shelf.Clear();
  }
  if (sample == ActivitySample::HoveredShelf) {
    shelf.DragEnter(true);
  } else if (shelf.drag_hovering()) {
    shelf.DragLeave();
  }
  if (sample == ActivitySample::ShelfFiles) {
    const int newest = static_cast<int>(shelf.list().size()) - 1;
    record.hovered_item = {shelf_hit::kItem, newest - 2};
  }
}

// The island the activities draw for: one state, at rest.
class SnapshotIsland final : public IslandCommands {
 public:
  IslandRecord record_value;
  MediaSnapshot media_value;
  double now_value = 0.0;

  const IslandRecord& record() const override { return record_value; }
  const MediaSnapshot& media() const override { return media_value; }
  MediaSnapshot& media_for_update() override { return media_value; }
  double now_ms() const override { return now_value; }
  bool reduce_motion() const override { return false; }
  void Collapse() override {}
  void UpdateState() override {}
  void Redraw() override {}
  void StartTimer(unsigned, unsigned) override {}
  void StartCountdown(double) override {}
  void ToggleCountdownPause() override {}
  void StopCountdown() override {}
  void AddCountdownMinute() override {}
  void BeginFileDrag() override {}
  void EndFileDrag(bool) override {}
};

// Five copied texts, the second newest just copied back; forty-one samples.
void FillPage(IslandActivitySet& activities, SampleClipboard& clipboard, SnapshotIsland& island) {
  for (const wchar_t* text :
       {L"Lorem ipsum dolor sit amet, consectetur adipiscing elit", L"Endereço: Rua das Flores, 123 — São Paulo",
        L"  git commit -m \"Corrige o cálculo do total\"\n", L"https://example.com/relatorios/2026/trimestre-3.pdf",
        L"Reunião às 15h na sala 4"}) {
    clipboard.text = text;
    activities.CaptureClipboard();
  }
  for (int i = 0; i < 41; ++i) {
    island.now_value = 1000.0 * i;
    activities.SampleStatistics();
  }
  activities.Activate({clipboard_hit::kEntry, 1}, {});
  activities.OwnClipboardCopy();
}

bool DrawIsland(ID2D1Factory* factory, IslandActivitySet& activities, SnapshotIsland& island,
                const IslandSnapshot& snapshot, const std::wstring& path) {
  auto surface = WicCanvas::Create(factory, kIslandWidth, snapshot.height(), RunningDirect2D());
  if (!surface) return false;
  const ShapeAtRest at_rest = ShapeOf(snapshot);
  IslandRecord& record = island.record_value;
  record = IslandRecord{};
  record.style = snapshot.style;
  record.theme = snapshot.theme;
  record.state = snapshot.state;
  record.page = snapshot.page;
  record.privacy_bits = snapshot.privacy_bits;
  if (snapshot.sample == ActivitySample::PageFilled && snapshot.page == page::kClipboard)
    record.hovered_item = {clipboard_hit::kEntry, 2};
  record.card = SampleCard(snapshot.long_title);
  ApplyHudSample(snapshot.hud, record);
  island.media_value = snapshot.media() ? SampleTrack() : MediaSnapshot{};
  const Countdown countdown = SampleCountdown(snapshot.sample);
  PrepareShelf(activities.shelf(), record, snapshot.sample);
  activities.ApplyThemeColours(static_cast<unsigned>(snapshot.theme));

  Canvas& canvas = surface->Begin();
  // Every state at full opacity, Hidden too: the picture shows its shape.
  ShapePaths paths;
  const ShapeGeometry& g = at_rest.geometry;
  const IslandPaintInputs look = paths.Prepare(canvas, {at_rest.shape, g.upper_radius, g.lower_radius, 1.0f,
                                                        at_rest.notch_height, snapshot.style, snapshot.theme, false});
  PaintIslandFrame(canvas, look, [&] {
    activities.DrawContent(canvas, {snapshot.state, record, island.media_value, countdown, at_rest.shape,
                                    g.upper_radius, 1.0f, at_rest.notch_height, island.now_value});
  });
  return surface->End() && WritePng(path, surface->width(), surface->height(), surface->Pixels());
}

bool DrawBadge(const BadgeSnapshot& badge, const std::wstring& path) {
  ShellFilePictureSources sources;
  const auto picture = sources.Badge(badge.extension, badge.size);
  return picture && WritePng(path, picture->width, picture->height, picture->pixels);
}

// The symbol table in a row, path icons under it, on a dark card.
bool DrawSymbolSheet(ID2D1Factory* factory, const IslandTextFormats& formats, const std::wstring& path) {
  constexpr const wchar_t* kNames[] = {L"music.note",
                                       L"pause.fill",
                                       L"play.fill",
                                       L"forward.fill",
                                       L"timer",
                                       L"bolt.fill",
                                       L"battery.50percent",
                                       L"speaker.slash.fill",
                                       L"speaker.wave.1.fill",
                                       L"speaker.wave.2.fill",
                                       L"speaker.wave.3.fill"};
  constexpr const char* kPaths[] = {"M 15 5 L 8 12 L 15 19", "M 4 12 L 9 17 L 20 6", "M 3 6 L 21 6 L 21 18 L 3 18 Z",
                                    "M 5 3 Q -2 10 5 17 M 12 20 L 12 20.1", "M 12 3 Q 21 3 21 12 Q 21 21 12 21"};
  auto surface = WicCanvas::Create(factory, 480, 88, RunningDirect2D());
  if (!surface) return false;
  Canvas& canvas = surface->Begin();
  canvas.FillRoundedRect({0, 0, 480, 88}, 16.0f, Brush::Solid({0.07f, 0.07f, 0.08f, 1.0f}));
  Symbols symbols(SymbolsFolderFromVariable(ReadEnvironmentVariable(L"TEMBO_NOTCH_SYMBOLS")));
  float x = 12.0f;
  for (const wchar_t* name : kNames) {
    symbols.DrawSymbol(canvas, name, {x, 10, x + 28, 38}, White(), formats[TextRole::Icon12]);
    x += 42.0f;
  }
  PathIcons icons;
  x = 12.0f;
  for (const char* icon : kPaths) {
    icons.DrawPathIcon(canvas, White(), icon, {x, 48, x + 32, 80}, 24.0f, 2.0f);
    x += 42.0f;
  }
  return surface->End() && WritePng(path, surface->width(), surface->height(), surface->Pixels());
}

int Run(const std::wstring& folder) {
  if (!links::InitFonts()) return 3;
  ComPtr<ID2D1Factory> factory;
  if (FAILED(D2D1CreateFactory(D2D1_FACTORY_TYPE_SINGLE_THREADED, factory.GetAddressOf()))) return 3;
  CreateDirectoryW(folder.c_str(), nullptr);
  IniDocument settings_file;
  const Settings settings(settings_file);
  ActivityPorts ports;
  ports.symbols_folder = SymbolsFolderFromVariable(ReadEnvironmentVariable(L"TEMBO_NOTCH_SYMBOLS"));
  ports.media.measure = MeasureTextWidthWithDirectWrite;
  // Shelf tiles show the drawn badges: Wine's shell has no file pictures.
  ports.shelf.picture = [](const std::wstring& path) {
    return ShellFilePictureSources().Badge(FileExtension(path), 64);
  };
  IslandActivitySet activities(SharedFonts(), settings, ports);
  SnapshotIsland island;
  activities.Attach(island);
  int failures = 0;
  const auto write = [&](bool written, const std::wstring& name) {
    if (!written) {
      std::fwprintf(stderr, L"notch_snapshots: could not write %ls\n", name.c_str());
      ++failures;
    }
  };
  for (const IslandSnapshot& snapshot : IslandSnapshots()) {
    if (snapshot.page == page::kMedia) {
      write(DrawIsland(factory.Get(), activities, island, snapshot, folder + L"\\" + snapshot.file_name),
            snapshot.file_name);
      continue;
    }
    // Each page starts from empty activities, then takes the samples.
    SampleClipboard clipboard;
    SampleCounters counters;
    ActivityPorts page_ports = ports;
    page_ports.clipboard = &clipboard;
    page_ports.statistics = &counters;
    IslandActivitySet page_activities(SharedFonts(), settings, page_ports);
    SnapshotIsland page_island;
    page_activities.Attach(page_island);
    if (snapshot.sample == ActivitySample::PageFilled) FillPage(page_activities, clipboard, page_island);
    write(DrawIsland(factory.Get(), page_activities, page_island, snapshot, folder + L"\\" + snapshot.file_name),
          snapshot.file_name);
  }
  for (const BadgeSnapshot& badge : BadgeSnapshots()) {
    write(DrawBadge(badge, folder + L"\\" + badge.file_name), badge.file_name);
  }
  activities.ApplyThemeColours(static_cast<unsigned>(Theme::Sequoia));
  write(DrawSymbolSheet(factory.Get(), activities.text_formats(), folder + L"\\" + kSymbolSheet), kSymbolSheet);
  return failures == 0 ? 0 : 1;
}

}  // namespace
}  // namespace notch::snapshots

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fwprintf(stderr, L"usage: notch_snapshots OUTPUT_FOLDER\n");
    return 2;
  }
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 3;
  const int result = notch::snapshots::Run(argv[1]);
  CoUninitialize();
  return result;
}
