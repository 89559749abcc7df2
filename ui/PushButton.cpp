// A standard push button with the accelerator character of its title.
#include "ui/PushButton.h"

PushButton::PushButton(int subclass) : subclass_(subclass) { style_ = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON; }

int PushButton::Create(HWND parent, int id, const char* title, int x, int y, int width, int height)
{
    if (id == 0) {
        AssignControlId();
    } else {
        id_ = id;
    }
    const char* ampersand = FindChar(title, '&');
    accelerator_ = ampersand ? ampersand[1] : 0;
    const int created = CreateControl("BUTTON", parent, title, x, y, width, height);
    if (created && subclass_) {
        Subclass(nullptr);
    }
    return created;
}

int PushButton::OnCommand(int code, int)
{
    if (code != BN_CLICKED) {
        return 0;
    }
    return InvokeCallback() ? 1 : 0;
}
