// The panel window's side of the Search pages: the list box's rows, its
// selection and hover row, moving the controls that follow the list, the
// debounce timer, the Open dialog for a browser, and the search box's hint.
#include <windows.h>

#include <commdlg.h>

#include "panel/quick_controls_win.h"
#include "render/fonts.h"

namespace notch::quick {
namespace {

constexpr COLORREF kHintText = RGB(126, 132, 142);

}  // namespace

void QuickControlsWindow::SetListRows(const std::vector<ListRow>& rows) {
  hovered_row_ = -1;
  FillList(rows, std::nullopt);
}

int QuickControlsWindow::SelectedRow() const {
  const std::optional<std::size_t> row = ListSelection();
  return row ? static_cast<int>(*row) : -1;
}

void QuickControlsWindow::SelectListRow(int row) {
  HWND list = Control(control::kList);
  if (list == nullptr) return;
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

void QuickControlsWindow::MoveControl(int id, const DipRect& rect) {
  HWND child = Control(id);
  if (child == nullptr) return;
  const unsigned dpi = font_dpi_;
  // Painted afresh where it lands: the bits at its old place may be ones the
  // panel's clip (while it grows) never let it paint.
  SetWindowPos(child, nullptr, ScaleDip(rect.x, dpi), ScaleDip(rect.y, dpi), ScaleDip(rect.w, dpi),
               ScaleDip(rect.h, dpi), SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

void QuickControlsWindow::SetDebounceTimer(bool on) {
  if (window_ == nullptr) return;
  if (on) {
    SetTimer(window_, kSearchDebounceTimer, kSearchDebounceMs, nullptr);
  } else {
    KillTimer(window_, kSearchDebounceTimer);
  }
}

std::optional<std::wstring> QuickControlsWindow::ChooseProgram() {
  wchar_t path[1024] = {};
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = window_;
  dialog.lpstrFilter = L"Programs (*.exe)\0*.exe\0All files (*.*)\0*.*\0";
  dialog.lpstrFile = path;
  dialog.nMaxFile = 1024;
  dialog.lpstrTitle = L"Choose browser or app to open search links";
  dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
  if (!GetOpenFileNameW(&dialog)) return std::nullopt;
  return std::wstring(path);
}

void QuickControlsWindow::TrackListHover(HWND list, LPARAM point) {
  const LRESULT hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, point);
  const bool outside = HIWORD(hit) != 0;
  const int row = outside ? -1 : static_cast<int>(LOWORD(hit));
  if (row == hovered_row_) return;
  // Only the old and the new row are painted again.
  for (int changed : {hovered_row_, row}) {
    RECT rect{};
    if (changed >= 0 &&
        SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(changed), reinterpret_cast<LPARAM>(&rect)) != LB_ERR) {
      InvalidateRect(list, &rect, FALSE);
    }
  }
  hovered_row_ = row;
}

void QuickControlsWindow::DrawSearchHint(HWND edit) {
  if (high_contrast_ || GetWindowTextLengthW(edit) != 0) return;
  HDC dc = GetDC(edit);
  if (dc == nullptr) return;
  RECT rect{};
  GetClientRect(edit, &rect);
  rect.left += ScaleDip(2, font_dpi_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kHintText);
  HGDIOBJ old = SelectObject(dc, fonts_[0]);
  DrawTextW(dc, L"Search apps, files, math, or 'query yt'\u2026", -1, &rect,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(edit, dc);
}

}  // namespace notch::quick
