// The Quick Controls panel is not part of the program yet: until it lands,
// the island runs with a panel that is never open. It lands by replacing
// this file.
#include "shell/ilha/island_pending_ports_win.h"

namespace notch {
namespace {

class PendingPanel final : public IslandPanel {
 public:
  bool Busy() const override { return false; }
  bool Foreground() const override { return false; }
  void Close() override {}
  void Place(const PanelPlacement&) override {}
  void StartSearch() override {}
  void OpenButtonLayout() override {}
  SizeF ContentSize() const override { return {300.0f, 200.0f}; }
};

}  // namespace

IslandPanel& WindowsIslandPanel() {
  static PendingPanel panel;
  return panel;
}

void CreateQuickControlsPanel(HWND) {}

}  // namespace notch
