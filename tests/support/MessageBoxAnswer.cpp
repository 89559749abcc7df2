// Answers a system message box of this process from a second thread, keeping its text.
#include "support/MessageBoxAnswer.h"

namespace {

// The static control that holds a system message box's text.
constexpr int kMessageTextId = 0xFFFF;

struct Search {
    const std::string* caption;
    HWND found;
};

BOOL CALLBACK MatchBox(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char text[256] = "";
    char className[32] = "";
    GetWindowTextA(window, text, sizeof text);
    GetClassNameA(window, className, sizeof className);
    if (process == GetCurrentProcessId() && *search->caption == text && lstrcmpA(className, "#32770") == 0 &&
        IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

MessageBoxAnswer::MessageBoxAnswer(const char* caption, int button, DWORD timeoutMs)
    : thread_(&MessageBoxAnswer::Answer, this, std::string(caption), button, timeoutMs)
{
}

MessageBoxAnswer::~MessageBoxAnswer()
{
    if (thread_.joinable()) {
        thread_.join();
    }
}

std::string MessageBoxAnswer::Text()
{
    if (thread_.joinable()) {
        thread_.join();
    }
    return text_;
}

void MessageBoxAnswer::Answer(std::string caption, int button, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    Search search = {&caption, nullptr};
    while (!search.found && GetTickCount() - start < timeoutMs) {
        EnumWindows(MatchBox, reinterpret_cast<LPARAM>(&search));
        if (!search.found) {
            Sleep(20);
        }
    }
    if (!search.found) {
        return;
    }
    char text[1024] = "";
    GetDlgItemTextA(search.found, kMessageTextId, text, sizeof text);
    text_ = text;
    SendMessageA(GetDlgItem(search.found, button), BM_CLICK, 0, 0);
}
