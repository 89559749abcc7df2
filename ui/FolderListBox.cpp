// The list box control that shows the folders, with its last known selection.
#include "ui/FolderListBox.h"

FolderListBox::FolderListBox()
{
    style_ = WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_DISABLENOSCROLL | LBS_WANTKEYBOARDINPUT |
             LBS_NOINTEGRALHEIGHT | LBS_NOTIFY;
}

int FolderListBox::Create(HWND parent, int id, const char* title, int x, int y, int width, int height)
{
    if (id == 0) {
        AssignControlId();
    } else {
        id_ = id;
    }
    return CreateControl("LISTBOX", parent, title, x, y, width, height);
}

int FolderListBox::OnCommand(int code, int)
{
    if (code != LBN_SELCHANGE) {
        return 0;
    }
    selection_ = static_cast<int>(SendMessageA(window_, LB_GETCURSEL, 0, 0));
    return InvokeCallback() ? 1 : 0;
}
