// The custom delay dialog, run modally in-process with hooks playing the
// user: each step types an answer and presses OK; a refusal's message box is
// read and dismissed.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/auto_hide_dialog_win.h"
#include "resource_ids.h"

namespace notch {
namespace {

constexpr UINT kNextStep = WM_APP + 0x200;  // a thread message only the hook looks at
constexpr int kMessageBoxTextId = 0xFFFF;

struct Refusal {
  std::wstring caption;
  std::wstring text;
};

struct AfterRefusal {
  bool edit_focused = false;
  bool all_text_selected = false;
};

struct UserScript {
  std::vector<std::wstring> answers;  // typed one after another; Cancel when none is left
  std::size_t next = 0;
  std::wstring initial_text;
  LRESULT text_limit = 0;
  std::vector<Refusal> refusals;
  std::vector<AfterRefusal> after_refusals;
};

UserScript* g_script = nullptr;

HWND DelayDialog() { return FindWindowW(L"#32770", L"Custom auto-hide delay"); }

void RunStep() {
  const HWND dialog = DelayDialog();
  if (dialog == nullptr) return;
  const HWND edit = GetDlgItem(dialog, IDC_AUTO_HIDE_SECONDS);
  UserScript& script = *g_script;
  if (script.next == 0) {
    wchar_t text[16] = {};
    GetWindowTextW(edit, text, 16);
    script.initial_text = text;
    script.text_limit = SendMessageW(edit, EM_GETLIMITTEXT, 0, 0);
  } else {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    script.after_refusals.push_back(
        {GetFocus() == edit, start == 0 && end == static_cast<DWORD>(GetWindowTextLengthW(edit))});
  }
  if (script.next == script.answers.size()) {
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    return;
  }
  SetWindowTextW(edit, script.answers[script.next++].c_str());
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

LRESULT CALLBACK OnGetMessage(int code, WPARAM wparam, LPARAM lparam) {
  const auto* message = reinterpret_cast<const MSG*>(lparam);
  if (code == HC_ACTION && wparam == PM_REMOVE && message->hwnd == nullptr && message->message == kNextStep) RunStep();
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

LRESULT CALLBACK OnCbt(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_ACTIVATE) {
    const HWND window = reinterpret_cast<HWND>(wparam);
    wchar_t caption[64] = {};
    GetWindowTextW(window, caption, 64);
    if (std::wstring(caption) == L"Auto-hide") {
      wchar_t text[128] = {};
      GetDlgItemTextW(window, kMessageBoxTextId, text, 128);
      g_script->refusals.push_back({caption, text});
      // FIFO: the box closes first, then the dialog's own loop takes the step.
      PostMessageW(window, WM_COMMAND, IDOK, 0);
      PostThreadMessageW(GetCurrentThreadId(), kNextStep, 0, 0);
    }
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

int RunDialog(UserScript& script, int current_seconds) {
  g_script = &script;
  const HHOOK cbt = SetWindowsHookExW(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
  const HHOOK get_message = SetWindowsHookExW(WH_GETMESSAGE, OnGetMessage, nullptr, GetCurrentThreadId());
  PostThreadMessageW(GetCurrentThreadId(), kNextStep, 0, 0);
  const int result = AskCustomAutoHideDelay(nullptr, current_seconds);
  UnhookWindowsHookEx(get_message);
  UnhookWindowsHookEx(cbt);
  g_script = nullptr;
  return result;
}

TEST(AutoHideDialogTest, RefusesZeroAnd3601ThenAccepts3600) {
  UserScript script;
  script.answers = {L"0", L"3601", L"3600"};
  EXPECT_EQ(RunDialog(script, 0), 3600);
  EXPECT_EQ(script.initial_text, L"10");
  EXPECT_EQ(script.text_limit, 4);
  ASSERT_EQ(script.refusals.size(), 2u);
  for (const Refusal& refusal : script.refusals) {
    EXPECT_EQ(refusal.caption, L"Auto-hide");
    EXPECT_EQ(refusal.text, L"Enter a delay from 1 to 3600 seconds.");
  }
  ASSERT_EQ(script.after_refusals.size(), 2u);
  for (const AfterRefusal& after : script.after_refusals) {
    EXPECT_TRUE(after.edit_focused);
    EXPECT_TRUE(after.all_text_selected);
  }
}

TEST(AutoHideDialogTest, StartsAtTheCurrentDelayAndCancelGivesZero) {
  UserScript script;
  EXPECT_EQ(RunDialog(script, 45), 0);
  EXPECT_EQ(script.initial_text, L"45");
  EXPECT_TRUE(script.refusals.empty());
}

}  // namespace
}  // namespace notch
