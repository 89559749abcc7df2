// The list box control that shows the folders, with its last known selection.
#pragma once

#include "ui/ControlObject.h"

class FolderListBox : public ControlObject {
public:
    FolderListBox();

    int Create(HWND parent, int id, const char* title, int x, int y, int width, int height) override;
    int OnCommand(int code, int id) override;

    // The selection as of the last selection change (LB_ERR, -1, for none).
    int Selection() const { return selection_; }

private:
    int selection_ = LB_ERR;
};
