// The search box: every typed character asks the workspace to search again.
#include "app/SearchEdit.h"

#include "app/Program.h"
#include "app/Resource.h"
#include "app/Workspace.h"
#include "index/FolderSearch.h"
#include "app/Feedback.h"
#include "ui/ControlObject.h"

namespace {

WNDPROC previousEditProc = nullptr;

LRESULT CALLBACK SearchEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CHAR) {
        // Posted, not sent: the search runs after the edit has taken the character.
        PostMessageA(GetParent(edit), WM_SEARCH, 0, 0);
    }
    return previousEditProc ? CallWindowProcA(previousEditProc, edit, message, wParam, lParam) : 0;
}

}  // namespace

void SubclassSearchEdit(HWND edit)
{
    if (WNDPROC previous = SetWindowProc(edit, SearchEditProc)) {
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
