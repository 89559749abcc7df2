// The captionless notice shown over a window while long work runs on the interface thread.
#pragma once

#include "ui/WindowObject.h"

// Whatever object wants a Cancel button on the notice implements this; the callback is one
// of its methods without arguments.
class CancelTarget {
protected:
    ~CancelTarget() = default;
};
using CancelCallback = void (CancelTarget::*)();

class ProgressWindow : public WindowObject {
public:
    static constexpr int kCancelId = 2;

    ProgressWindow();

    // Puts the notice up centred on owner, showing text (kept by address and painted from
    // the caller's buffer until the notice is destroyed); a modal notice disables owner
    // while it is up. 0 when the display font cannot be measured, otherwise 1. A second
    // Show while the notice is up changes what it refers to but not its size or place.
    // Destroy takes it down again.
    int Show(HWND owner, const char* text, int modal);

    // Gives later notices a Cancel button that calls callback on owner; a null owner
    // removes the button from later notices.
    void SetCancelOwner(CancelTarget* owner, CancelCallback callback);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    int RegisterWindowClass() override;

    // The sunken frame round the text, in client coordinates.
    const RECT& InnerRect() const { return innerRect_; }
    HWND CancelButton() const { return cancelButton_; }
    int CharWidth() const { return charWidth_; }
    int LineHeight() const { return lineHeight_; }

private:
    void CreateCancelButton();
    void Paint();

    int modal_ = 0;
    HWND owner_ = nullptr;
    HWND cancelButton_ = nullptr;
    int charWidth_ = 0;
    int lineHeight_ = 0;
    CancelTarget* cancelOwner_ = nullptr;
    CancelCallback cancelCallback_ = nullptr;
    const char* text_ = "";
    COLORREF textColour_ = 0;
    COLORREF backColour_ = RGB(192, 192, 192);
    RECT innerRect_ = {};
};
