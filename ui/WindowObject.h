// One object per window: class registration, creation and message dispatch to named slots.
#pragma once

#include <windows.h>

// What the frame's create operation hands to CreateWindowExA, open to AdjustCreate.
struct CreateParams {
    DWORD exStyle;
    const char* className;
    const char* title;
    DWORD style;
    int x;
    int y;
    int width;
    int height;
};

// The window procedure of every class the framework registers: finds the window's object
// through GWLP_USERDATA and hands it the message.
LRESULT CALLBACK SharedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

class WindowObject {
public:
    WindowObject() = default;
    WindowObject(const WindowObject&) = delete;
    WindowObject& operator=(const WindowObject&) = delete;

    // Slots, in their fixed order.
    virtual int Create(HWND parent, HMENU menuOrId, const char* title, int x, int y, int width, int height);
    virtual void AdjustClass(WNDCLASSA* windowClass);
    virtual void AdjustCreate(CreateParams* params);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void PostDestroy();
    virtual int OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam);
    virtual int RegisterWindowClass() = 0;
    virtual int SaveState();
    virtual void OnChar(WPARAM wParam, LPARAM lParam);
    virtual void OnClose();
    virtual void OnCommand(WPARAM wParam, LPARAM lParam);
    virtual void OnContextMenu(WPARAM wParam, LPARAM lParam);
    virtual int OnCreate();
    virtual LRESULT OnCtlColorListBox(WPARAM wParam, LPARAM lParam);
    virtual void OnDestroy();
    virtual void OnDrawItem(WPARAM wParam, LPARAM lParam);
    virtual void OnDropFiles(WPARAM wParam);
    virtual void OnEndSession(WPARAM wParam, LPARAM lParam);
    virtual void OnInitMenu();
    virtual void OnKeyDown(WPARAM wParam, LPARAM lParam);
    virtual void OnKeyUp(WPARAM wParam, LPARAM lParam);
    virtual void OnKillFocus();
    virtual void OnLButtonDblClk(WPARAM wParam, LPARAM lParam);
    virtual void OnLButtonDown(WPARAM wParam, LPARAM lParam);
    virtual void OnLButtonUp(WPARAM wParam, LPARAM lParam);
    virtual int OnMenuSelect(WPARAM wParam, LPARAM lParam);
    virtual void OnMouseMove(WPARAM wParam, LPARAM lParam);
    virtual void OnMouseWheel(WPARAM wParam, LPARAM lParam);
    virtual void OnNotify(WPARAM wParam, LPARAM lParam);
    virtual void OnPaint();
    virtual LRESULT OnQueryEndSession();
    virtual void OnRButtonDown(WPARAM wParam, LPARAM lParam);
    virtual void OnRButtonUp(WPARAM wParam, LPARAM lParam);
    virtual void OnSetFocus();
    virtual void OnSize(WPARAM wParam, LPARAM lParam);
    virtual void OnSysColorChange();
    virtual void OnSysKeyDown(WPARAM wParam, LPARAM lParam);
    virtual void OnSysKeyUp(WPARAM wParam, LPARAM lParam);
    virtual void OnTimer(WPARAM wParam);
    virtual LRESULT OnVKeyToItem(WPARAM wParam);
    virtual void OnVScroll(WPARAM wParam, LPARAM lParam);

    // Creates the window unless the object has one; nonzero when it has one afterwards.
    int CreateWindowObject(const char* className, HWND parent, HMENU menuOrId, const char* title, int x, int y,
                           int width, int height);
    // Destroys the window; 1 and the handle cleared on success, 0 and the handle kept otherwise.
    int Destroy();

    HWND Handle() const { return window_; }
    DWORD Style() const { return style_; }
    void SetStyle(DWORD style) { style_ = style; }
    DWORD ExStyle() const { return exStyle_; }
    void SetExStyle(DWORD exStyle) { exStyle_ = exStyle; }

    // The object bound to a window by SharedWindowProc, or null.
    static WindowObject* FromHandle(HWND window);

protected:
    ~WindowObject() = default;

    // A class whose windows the framework dispatches: SharedWindowProc, the class name and
    // style, and the module instance as stored now (null before the entry point runs); the
    // caller adds icon, cursor and background.
    static WNDCLASSA FrameworkClass(const char* name, UINT style);

    // The once-per-class registration: registers windowClass unless *registered is set;
    // 1 when it registered now. adjust lets AdjustClass change the class first.
    int RegisterOnce(int* registered, WNDCLASSA* windowClass, bool adjust);

    // The result DefWindowProcA gives this window for a message.
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

private:
    friend LRESULT CALLBACK SharedWindowProc(HWND, UINT, WPARAM, LPARAM);

    HWND window_ = nullptr;
    DWORD style_ = 0;
    DWORD exStyle_ = 0;
};
