// The strip of push buttons along the top of the main window; clicks become commands.
#pragma once

#include "ui/PushButton.h"
#include "ui/WindowObject.h"

class ButtonBar : public WindowObject {
public:
    static constexpr UINT kRelayedMessage = 64126;  // passed on to the parent unchanged

    ButtonBar();
    ~ButtonBar();

    // Room for n buttons; called once, before the bar is created.
    void SetCapacity(int n);
    virtual int CreateBar(HWND parent, int x, int y, int width, int height);
    // Adds the next button, left to right; 0 when the bar is full or the button failed.
    int AddButton(const char* title, int width, int id, int disabled);
    // Enables or disables the button with this command id; other ids change nothing.
    void EnableButton(int id, int enable);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    int RegisterWindowClass() override;

    int Height() const { return height_; }
    int Visible() const { return visible_; }
    int ButtonCount() const { return count_; }
    // The window of the button with this command id, or null.
    HWND ButtonWindow(int id) const;

private:
    void Paint();

    int capacity_ = 0;
    int nextX_ = 0;
    int count_ = 0;
    int height_ = 0;
    int* ids_ = nullptr;
    PushButton* buttons_ = nullptr;
    int visible_ = 1;
};
