#include "host/auto_hide_dialog_win.h"

#include <string>

#include "host/custom_delay.h"
#include "resource_ids.h"

namespace notch {
namespace {

void RefuseDelay(HWND dialog) {
  MessageBoxW(dialog, L"Enter a delay from 1 to 3600 seconds.", L"Auto-hide", MB_OK | MB_ICONINFORMATION);
  const HWND edit = GetDlgItem(dialog, IDC_AUTO_HIDE_SECONDS);
  SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
  SendMessageW(edit, EM_SETSEL, 0, -1);
}

void OnOk(HWND dialog) {
  const HWND edit = GetDlgItem(dialog, IDC_AUTO_HIDE_SECONDS);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
  if (const auto seconds = ParseCustomDelay(text)) {
    EndDialog(dialog, *seconds);
  } else {
    RefuseDelay(dialog);
  }
}

INT_PTR CALLBACK DelayDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      SendDlgItemMessageW(dialog, IDC_AUTO_HIDE_SECONDS, EM_LIMITTEXT, kCustomDelayMaxChars, 0);
      SetDlgItemInt(dialog, IDC_AUTO_HIDE_SECONDS, static_cast<UINT>(CustomDelayInitialValue(static_cast<int>(lparam))),
                    FALSE);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK) {
        OnOk(dialog);
        return TRUE;
      }
      if (LOWORD(wparam) == IDCANCEL) {
        EndDialog(dialog, 0);
        return TRUE;
      }
      break;
    default:
      break;
  }
  return FALSE;
}

}  // namespace

int AskCustomAutoHideDelay(HWND owner, int current_seconds) {
  const INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_AUTO_HIDE_DELAY), owner,
                                         DelayDialogProc, static_cast<LPARAM>(current_seconds));
  return result > 0 ? static_cast<int>(result) : 0;
}

}  // namespace notch
