// The two-part status line along the bottom of the main window.
#pragma once

#include "ui/ControlObject.h"

// Right edges of the parts of a status window w pixels wide: every part but the first is
// its declared width (in average character widths a) wide, the last ends n*a short of the
// right edge, and the first takes the rest.
void StatusPartEdges(int w, int a, int n, const int* widths, int* rightEdges);

class StatusBar : public ControlObject {
public:
    StatusBar() = default;
    ~StatusBar();

    int SetPartCount(int n);
    void AddPart(int width, int style);
    int CreateStatus(HWND parent);
    // The status window's height while it is visible, else 0.
    int StatusHeight() const;
    // Follows the parent's WM_SIZE and recomputes the part edges from the current font.
    LRESULT ResizeStatus(WPARAM wParam, LPARAM lParam);
    LRESULT SetStatusText(int part, const char* text);

    const int* RightEdges() const { return rightEdges_; }
    int PartCount() const { return parts_; }

private:
    HWND parent_ = nullptr;
    int capacity_ = 0;
    int* widths_ = nullptr;
    int* styles_ = nullptr;
    int* rightEdges_ = nullptr;
    int parts_ = 0;
};
