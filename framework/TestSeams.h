// Seams for tests: answer a modal dialog without showing it, watch one that
// is shown, run the message loop until a condition holds, and save a window
// as an image file.
#pragma once
#include <windows.h>
#include <functional>
#include <optional>

class CDialog;

namespace fw {
namespace test {

// Called by every DoModal before anything is shown. A result ends the dialog
// at once with that result; nullopt shows it as usual.
using ModalAnswer = std::function<std::optional<INT_PTR>(CDialog&)>;
void SetModalAnswer(ModalAnswer answer);  // empty function: no answering
std::optional<INT_PTR> AnswerModal(CDialog& dlg);

// Called once a modal dialog is on the screen, as the first message of its
// modal loop; the handler may inspect it, pump messages, take a screenshot
// (SaveWindowImage repaints first), and end it with EndDialog.
using ModalShown = std::function<void(CDialog&)>;
void SetModalShown(ModalShown shown);
void NotifyModalShown(CDialog& dlg);
// Runs the handler; called by the dialog's window procedure.
void RunModalShown(CDialog& dlg);

// Answers every popup menu with the command id to pick (0 picks nothing)
// instead of showing it.
using PopupMenuAnswer = std::function<UINT(HMENU menu)>;
void SetPopupMenuAnswer(PopupMenuAnswer answer);
bool HasPopupMenuAnswer();
UINT AnswerPopupMenu(HMENU menu);

// Dispatches this thread's messages until cond() holds or timeoutMs of real
// time pass; returns cond(). Messages go through PreTranslateMessage.
bool PumpUntil(const std::function<bool()>& cond, DWORD timeoutMs);
// Dispatches messages for the given real time.
void PumpFor(DWORD ms);

// Saves what the window shows on the screen as a 24-bit BMP file.
bool SaveWindowImage(HWND hWnd, const wchar_t* path);

}  // namespace test
}  // namespace fw
