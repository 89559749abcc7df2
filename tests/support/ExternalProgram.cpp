// A program started as a process of its own and watched from outside: its windows, their
// texts, the processes it starts, and pictures of the screen.
#include "support/ExternalProgram.h"

#include <tlhelp32.h>

#include <vector>

namespace {

struct TopLevelQuery {
    DWORD processId;
    const char* className;
    const char* title;
    HWND found;
};

bool ClassIs(HWND window, const char* className)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return lstrcmpiA(name, className) == 0;
}

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM lParam)
{
    auto* query = reinterpret_cast<TopLevelQuery*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != query->processId || !IsWindowVisible(window) ||
        (query->className && !ClassIs(window, query->className))) {
        return TRUE;
    }
    if (query->title) {
        // The title as the system keeps it: no message to a thread that may be busy.
        char title[256] = {};
        GetWindowTextA(window, title, sizeof title);
        if (lstrcmpA(title, query->title) != 0) {
            return TRUE;
        }
    }
    query->found = window;
    return FALSE;
}

HWND FindTopLevel(DWORD processId, const char* className, const char* title)
{
    TopLevelQuery query = {processId, className, title, nullptr};
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

ExternalProgram::ExternalProgram(const std::string& executable)
{
    std::string commandLine = "\"" + executable + "\"";
    const std::string folder = FolderOf(executable);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    if (CreateProcessA(executable.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                       folder.empty() ? nullptr : folder.c_str(), &startup, &started)) {
        CloseHandle(started.hThread);
        process_ = started.hProcess;
        processId_ = started.dwProcessId;
    }
}

ExternalProgram::~ExternalProgram()
{
    if (!process_) {
        return;
    }
    if (Running()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
}

bool ExternalProgram::Running() const
{
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool ExternalProgram::WaitForExit(DWORD timeoutMs, DWORD* exitCode) const
{
    if (!process_ || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) {
        return false;
    }
    if (exitCode) {
        GetExitCodeProcess(process_, exitCode);
    }
    return true;
}

HWND ExternalProgram::WaitForWindow(const char* className, const char* title, DWORD timeoutMs) const
{
    HWND window = nullptr;
    WaitUntil([&] { return (window = Window(className, title)) != nullptr; }, timeoutMs);
    return window;
}

HWND ExternalProgram::Window(const char* className, const char* title) const
{
    return process_ ? FindTopLevel(processId_, className, title) : nullptr;
}

bool ExternalProgram::WaitForIdle(DWORD timeoutMs) const
{
    return process_ && WaitForInputIdle(process_, timeoutMs) == 0;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD intervalMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount() - start >= timeoutMs) {
            return condition();
        }
        Sleep(intervalMs);
    }
}

HWND TopLevelWindowOf(DWORD processId, const char* className)
{
    return FindTopLevel(processId, className, nullptr);
}

HWND ChildOfClass(HWND parent, const char* className)
{
    return FindWindowExA(parent, nullptr, className, nullptr);
}

std::string TextThroughRemoteBuffer(HWND window, UINT message, WPARAM wParam, size_t size)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) {
        return std::string();
    }
    std::string text;
    // Fresh pages are zero-filled, so the text is terminated even if the window writes none.
    if (void* remote = VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {
        DWORD_PTR result = 0;
        std::vector<char> local(size + 1, '\0');
        SIZE_T read = 0;
        if (SendMessageTimeoutA(window, message, wParam, reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, 5000,
                                &result) &&
            ReadProcessMemory(process, remote, local.data(), size, &read)) {
            text = local.data();
        }
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return text;
}

std::map<DWORD, std::string> RunningProcesses()
{
    std::map<DWORD, std::string> processes;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return processes;
    }
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        processes[entry.th32ProcessID] = entry.szExeFile;
    }
    CloseHandle(snapshot);
    return processes;
}

bool EndProcess(DWORD processId)
{
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
    if (!process) {
        return true;  // already gone
    }
    TerminateProcess(process, 1);
    const bool gone = WaitForSingleObject(process, 5000) == WAIT_OBJECT_0;
    CloseHandle(process);
    return gone;
}

bool WaitForProcessIdle(DWORD processId, DWORD timeoutMs)
{
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId);
    if (!process) {
        return false;
    }
    const bool idle = WaitForInputIdle(process, timeoutMs) == 0;
    CloseHandle(process);
    return idle;
}

COLORREF ScreenPixel(POINT screen)
{
    HDC context = GetDC(nullptr);
    const COLORREF colour = GetPixel(context, screen.x, screen.y);
    ReleaseDC(nullptr, context);
    return colour;
}

bool SaveScreenshot(const std::string& file, const RECT* area)
{
    RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT shot = screen;
    if (area && !IntersectRect(&shot, area, &screen)) {
        return false;
    }
    const int width = shot.right - shot.left;
    const int height = shot.bottom - shot.top;

    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;  // bottom-up rows, as BMP files keep them
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    header.biSizeImage = stride * static_cast<DWORD>(height);

    void* bits = nullptr;
    HDC screenContext = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screenContext);
    HBITMAP bitmap =
        CreateDIBSection(memory, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
    bool written = false;
    if (bitmap) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screenContext, shot.left, shot.top, SRCCOPY | CAPTUREBLT);
        GdiFlush();
        BITMAPFILEHEADER fileHeader = {};
        fileHeader.bfType = 0x4D42;  // "BM"
        fileHeader.bfOffBits = sizeof fileHeader + sizeof header;
        fileHeader.bfSize = fileHeader.bfOffBits + header.biSizeImage;
        HANDLE out =
            CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (out != INVALID_HANDLE_VALUE) {
            DWORD done = 0;
            written = WriteFile(out, &fileHeader, sizeof fileHeader, &done, nullptr) &&
                      WriteFile(out, &header, sizeof header, &done, nullptr) &&
                      WriteFile(out, bits, header.biSizeImage, &done, nullptr) && done == header.biSizeImage;
            CloseHandle(out);
        }
        SelectObject(memory, previous);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screenContext);
    return written;
}
