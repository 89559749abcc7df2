// The search box: every typed character asks the workspace to search again.
#include "app/SearchEdit.h"

#include "app/Program.h"
#include "app/Resource.h"
#include "app/Workspace.h"
#include "index/FolderSearch.h"
#include "app/Feedback.h"

namespace {

WNDPROC previousEditProc = nullptr;

// A Unicode procedure, so that the edit stays a Unicode window: a typed character reaches it
// whole, and WM_GETTEXT hands the text out in the active code page. Through an ANSI
// procedure the character would be converted with the keyboard layout's code page first,
// and a Greek letter typed on an English layout would arrive as '?'.
LRESULT CALLBACK SearchEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    // A character beyond U+FFFF (an emoji) comes as two WM_CHARs, its surrogates; the search
    // waits for the second, so that it never sees half a character.
    if (message == WM_CHAR && !IS_HIGH_SURROGATE(wParam)) {
        // Posted, not sent: the search runs after the edit has taken the character.
        PostMessageA(GetParent(edit), WM_SEARCH, 0, 0);
    }
    return previousEditProc ? CallWindowProcW(previousEditProc, edit, message, wParam, lParam) : 0;
}

}  // namespace

void SubclassSearchEdit(HWND edit)
{
    if (!IsWindow(edit)) {
        return;
    }
    if (auto previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SearchEditProc)))) {
        previousEditProc = previous;
    }
}

void Workspace::FindPrefix()
{
    char text[kSearchTextSize] = {};
    SendMessageA(searchEdit_, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    const FolderIndex& index = folderCollector.Index();
    const int match = FindFirstMatch(index.Records(), index.Count(), text);
    if (match < 0) {
        MissBeep();  // the selection and the scroll position stay as they are
        return;
    }
    if (IsOutsideShownRows(match, searchTop_, visibleRows_)) {
        searchTop_ = CentredTop(match, visibleRows_);
        SendMessageA(folderList_.Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(searchTop_), 0);
    }
    SendMessageA(folderList_.Handle(), LB_SETCURSEL, static_cast<WPARAM>(match), 0);
}
