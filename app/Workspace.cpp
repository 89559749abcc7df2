// The main window's client: the search box, the folder list and the document state.
#include "app/Workspace.h"

#include "app/Feedback.h"
#include "app/Program.h"
#include "app/Resource.h"
#include "app/SearchEdit.h"
#include "ui/AboutBox.h"
#include "ui/ButtonBar.h"
#include "ui/CentreWindow.h"
#include "ui/Module.h"
#include "ui/Paint.h"

namespace {

int registered = 0;

constexpr DWORD kFolderListStyle =
    WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NODATA | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_NOTIFY;
constexpr COLORREF kSelectedRow = RGB(255, 255, 0);

}  // namespace

Workspace::Workspace()
{
    SetStyle(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    RegisterWindowClass();
}

int Workspace::RegisterWindowClass()
{
    WNDCLASSA windowClass = FrameworkClass("WorkSpaceClass", 0);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    return RegisterOnce(&registered, &windowClass, false);
}

int Workspace::Create(HWND parent, HMENU menuOrId, const char* title, int x, int y, int width, int height)
{
    return CreateWindowObject("WorkSpaceClass", parent, menuOrId, title, x, y, width, height);
}

int Workspace::OnCreateWorkspace()
{
    buttonBar.AddButton("&Scan drives", 90, IDM_SCAN_DRIVES, 0);
    buttonBar.AddButton("Sa&ve", 60, IDM_SAVE, 1);
    buttonBar.AddButton("View &files", 80, IDM_VIEW_FILES, 1);
    buttonBar.AddButton("&About", 60, IDM_ABOUT, 0);
    if (!buttonBar.AddButton("E&xit", 60, IDM_EXIT, 0)) {
        return 0;
    }

    TEXTMETRICA metrics = {};
    DisplayFontMetrics(&metrics);
    lineHeight_ = metrics.tmHeight + metrics.tmExternalLeading;

    folderList_.SetStyle(kFolderListStyle);
    folderList_.SetExStyle(WS_EX_CLIENTEDGE);
    folderList_.Create(Handle(), 0, "", CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT);

    // No ES_AUTOHSCROLL: the box takes only as much text as fits its width.
    searchEdit_ = CreateWindowExA(0, "edit", nullptr, WS_CHILD | WS_VISIBLE | ES_LOWERCASE, 20, lineHeight_ / 2, 220,
                                  lineHeight_, Handle(), reinterpret_cast<HMENU>(IDC_SEARCH_EDIT), ModuleInstance(),
                                  nullptr);
    SubclassSearchEdit(searchEdit_);

    searchTop_ = 0;
    scanning_ = 0;
    ReadSettings();
    CentreWindow(GetParent(Handle()));
    if (LoadIndex()) {
        SetFocus(searchEdit_);
    } else {
        dataFileName_[0] = '\0';
    }
    modified_ = 0;
    return 1;
}

void Workspace::ReadSettings() { ::ReadSettings(dataFileName_, scanDate_); }

void Workspace::OnSizeWorkspace(int width, int height)
{
    const int bandHeight = 2 * lineHeight_;
    const int listHeight = height - bandHeight;
    MoveWindow(folderList_.Handle(), 0, bandHeight, width, listHeight > 0 ? listHeight : 0, TRUE);
    RECT client = {};
    GetClientRect(folderList_.Handle(), &client);
    visibleRows_ = lineHeight_ > 0 ? (client.bottom - client.top) / lineHeight_ : 0;
    ShowIndexStatus();
}

void Workspace::PaintBand()
{
    PAINTSTRUCT paint;
    HDC context = BeginPaint(Handle(), &paint);
    RECT band;
    GetClientRect(Handle(), &band);
    band.bottom = 2 * lineHeight_;
    FillRect(context, &band, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    EndPaint(Handle(), &paint);
}

void Workspace::DrawRow(const DRAWITEMSTRUCT& item)
{
    if (item.itemAction != ODA_DRAWENTIRE && item.itemAction != ODA_SELECT) {
        return;  // focus changes alone draw nothing: the rows show no focus rectangle
    }
    const COLORREF colour = (item.itemState & ODS_SELECTED) ? kSelectedRow : GetSysColor(COLOR_WINDOW);
    RECT rect = item.rcItem;
    FillSolid(item.hDC, rect, colour);
    SetBkColor(item.hDC, colour);
    // During a scan the list still has the old count while the records are refilled, so a
    // row beyond the records is drawn empty.
    const FolderIndex& index = folderCollector.Index();
    if (index.Records() && item.itemID < static_cast<UINT>(index.Count())) {
        // The path is in the active code page, but DrawTextA reads text in the code page of
        // the font's character set (1252 for the list's font): it is widened here instead.
        WCHAR path[kPathSize];
        if (MultiByteToWideChar(CP_ACP, 0, index.At(static_cast<int>(item.itemID))->path, -1, path, kPathSize)) {
            // DT_NOPREFIX: a folder named "Tom & Jerry" is shown as it is named.
            DrawTextW(item.hDC, path, -1, &rect, DT_SINGLELINE | DT_NOPREFIX);
        }
    }
}

void Workspace::OnListNotification(int code)
{
    if (code == LBN_SELCHANGE) {
        if (SendMessageA(folderList_.Handle(), LB_GETCURSEL, 0, 0) != LB_ERR) {
            buttonBar.EnableButton(IDM_VIEW_FILES, 1);
        }
        SetFocus(searchEdit_);  // the user can go on typing after clicking a row
    } else if (code == LBN_DBLCLK) {
        OpenSelectedFolder();
    }
}

INT_PTR Workspace::OpenSelectedFolder()
{
    const LRESULT selection = SendMessageA(folderList_.Handle(), LB_GETCURSEL, 0, 0);
    const FolderIndex& index = folderCollector.Index();
    if (selection == LB_ERR || selection < 0 || selection >= index.Count()) {
        return -1;
    }
    lstrcpynA(openPath_, index.At(static_cast<int>(selection))->path, sizeof openPath_);
    // Only an existing folder goes to the shell: "open" on a program's path would run it.
    const DWORD attributes = GetFileAttributesA(openPath_);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return -1;
    }
    return ShellOpen(Handle(), openPath_);
}

void Workspace::ShowAbout()
{
    aboutBox.Show(Handle(), kAboutText, kAboutLink, 0, IDI_VANTORELLE, RGB(0, 0, 0), RGB(192, 192, 192),
                  RGB(128, 128, 128));
}

LRESULT Workspace::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: return OnCreateWorkspace() ? 0 : -1;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_SIZE: OnSizeWorkspace(LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_PAINT: PaintBand(); return 0;
    case WM_DRAWITEM: DrawRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return 0;
    case WM_COMMAND:
        if (reinterpret_cast<HWND>(lParam) == folderList_.Handle() && lParam) {
            OnListNotification(HIWORD(wParam));
        }
        return 0;
    case WM_SEARCH: FindPrefix(); return 0;
    default: return Default(message, wParam, lParam);
    }
}
