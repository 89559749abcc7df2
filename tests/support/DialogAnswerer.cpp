// Answers a window of this process (a common dialog, a system message box) from a second
// thread, the way a user would, while the test thread sits in the window's modal loop.
#include "support/DialogAnswerer.h"

namespace {

struct WindowQuery {
    const char* className;
    const char* title;
    HWND found;
};

std::string ClassOf(HWND window)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM lParam)
{
    auto* query = reinterpret_cast<WindowQuery*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() || !IsWindowVisible(window) || ClassOf(window) != query->className ||
        (query->title && WindowText(window) != query->title)) {
        return TRUE;
    }
    query->found = window;
    return FALSE;
}

struct ControlQuery {
    int id;                 // -1: any id
    std::string text;       // without '&'; empty: match by id
    const char* className;  // null: any class
    HWND found;
};

std::string WithoutMnemonic(const std::string& text)
{
    std::string plain;
    for (char c : text) {
        if (c != '&') {
            plain += c;
        }
    }
    return plain;
}

BOOL CALLBACK MatchChild(HWND window, LPARAM lParam)
{
    auto* query = reinterpret_cast<ControlQuery*>(lParam);
    const bool matches = (!query->className || ClassOf(window) == query->className) &&
                         (query->text.empty() ? query->id < 0 || GetDlgCtrlID(window) == query->id
                                              : WithoutMnemonic(WindowText(window)) == query->text);
    if (!matches) {
        return TRUE;
    }
    query->found = window;
    return FALSE;
}

bool Click(HWND button)
{
    if (!button) {
        return false;
    }
    const int id = GetDlgCtrlID(button);
    return PostMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

}  // namespace

HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        WindowQuery query = {className, title, nullptr};
        EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&query));
        if (query.found) {
            return query.found;
        }
        if (GetTickCount() - start > timeoutMs) {
            return nullptr;
        }
        Sleep(20);
    }
}

HWND FindControl(HWND window, int id, const char* className)
{
    ControlQuery query = {id, "", className, nullptr};
    EnumChildWindows(window, MatchChild, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

HWND FindButton(HWND window, const char* text)
{
    ControlQuery query = {0, WithoutMnemonic(text), "Button", nullptr};
    EnumChildWindows(window, MatchChild, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

std::string WindowText(HWND window)
{
    char text[1024] = {};
    DWORD_PTR copied = 0;
    // Sent with a timeout: the window's thread may be busy, and the answerer must not hang.
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                        &copied);
    return text;
}

bool SetControlText(HWND window, int id, const char* text)
{
    HWND control = FindControl(window, id);
    // An editable combo box keeps its text in an edit control below it (the file dialogs
    // nest the file name edit two levels deep): type into that edit, as a user would.
    if (control && ClassOf(control) != "Edit") {
        ControlQuery edit = {-1, "", "Edit", nullptr};
        EnumChildWindows(control, MatchChild, reinterpret_cast<LPARAM>(&edit));
        if (edit.found) {
            control = edit.found;
        }
    }
    DWORD_PTR result = 0;
    return control && SendMessageTimeoutA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                                          5000, &result) != 0;
}

bool ClickButton(HWND window, int id)
{
    return Click(FindControl(window, id, "Button"));
}

bool ClickButton(HWND window, const char* text)
{
    return Click(FindButton(window, text));
}

std::function<void(HWND)> InTurn(std::function<void(HWND)> first, std::function<void(HWND)> then)
{
    return [first, then](HWND window) {
        const std::string className = ClassOf(window);
        first(window);
        const DWORD start = GetTickCount();
        while (IsWindow(window) && GetTickCount() - start <= 10000) {
            Sleep(20);
        }
        DialogAnswerer next(className.c_str(), nullptr, then);
        next.Finished();
    };
}

DialogAnswerer::DialogAnswerer(const char* className, const char* title, Answer answer, DWORD timeoutMs)
{
    const std::string classText = className;
    const std::string titleText = title ? title : "";
    const bool anyTitle = title == nullptr;
    thread_ = std::thread([this, classText, titleText, anyTitle, answer, timeoutMs] {
        HWND window = WaitForWindow(classText.c_str(), anyTitle ? nullptr : titleText.c_str(), timeoutMs);
        if (!window) {
            return;
        }
        answer(window);
        const DWORD start = GetTickCount();
        while (IsWindow(window) && GetTickCount() - start <= timeoutMs) {
            Sleep(20);
        }
        if (IsWindow(window)) {
            PostMessageA(window, WM_CLOSE, 0, 0);
            return;
        }
        answered_ = true;
    });
}

DialogAnswerer::~DialogAnswerer()
{
    Finished();
}

bool DialogAnswerer::Finished()
{
    if (thread_.joinable()) {
        thread_.join();
    }
    return answered_;
}
