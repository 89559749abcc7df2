// The object that owns one standard child control, with automatic ids and subclassing.
#pragma once

#include <windows.h>

// Whatever object wants to hear from a control implements this; the handler is one of its
// methods taking the control id.
class CommandTarget {
protected:
    ~CommandTarget() = default;
};
using CommandHandler = void (CommandTarget::*)(int controlId);

// Replaces a window's procedure when the handle is a window and the procedure is not null;
// returns the previous procedure, or null when nothing was changed.
WNDPROC SetWindowProc(HWND window, WNDPROC procedure);

// The first occurrence of ch in text, or null.
const char* FindChar(const char* text, char ch);

class ControlObject {
public:
    static constexpr int kFirstAutomaticId = 900;

    ControlObject() = default;
    ControlObject(const ControlObject&) = delete;
    ControlObject& operator=(const ControlObject&) = delete;

    // Slots.
    virtual int Create(HWND parent, int id, const char* title, int x, int y, int width, int height);
    virtual int OnCommand(int code, int id);
    virtual LRESULT OnNotify(NMHDR* header);
    virtual void SetCallback(CommandTarget* target, CommandHandler handler);
    // Messages of a subclassed control; the default hands them to the control's previous
    // window procedure, so a subclass that overrides this keeps the control working.
    virtual LRESULT OnControlMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Takes the next automatic id (900, 901, ...) for this control.
    int AssignControlId();
    // Creates the control, or adopts the parent's existing child with this id.
    int CreateControl(const char* className, HWND parent, const char* title, int x, int y, int width, int height);
    // Routes the control's messages through OnControlMessage (null: the framework's
    // forwarding procedure); returns the procedure it replaced.
    WNDPROC Subclass(WNDPROC procedure);

    HWND Handle() const { return window_; }
    int Id() const { return id_; }
    void SetId(int id) { id_ = id; }
    DWORD Style() const { return style_; }
    void SetStyle(DWORD style) { style_ = style; }
    void SetExStyle(DWORD exStyle) { exStyle_ = exStyle; }

    // The object a control was created by, read from its GWLP_USERDATA; null when none.
    static ControlObject* FromHandle(HWND control);

protected:
    ~ControlObject() = default;

    // Calls the handler on the target with this control's id; false when none is set.
    bool InvokeCallback();

    HWND window_ = nullptr;
    DWORD style_ = 0;
    DWORD exStyle_ = 0;
    int id_ = 0;
    CommandTarget* target_ = nullptr;
    CommandHandler handler_ = nullptr;
    WNDPROC previousProc_ = nullptr;
};
