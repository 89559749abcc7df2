// The program's own modal message box: centred text lines, an optional icon, one to three buttons.
#pragma once

#include "ui/BevelFrame.h"
#include "ui/WindowObject.h"

class MessageBoxWindow : public WindowObject {
public:
    // Bits of the style word, laid out like the system message box's flags.
    static constexpr int kButtonBits = 0x00F;
    static constexpr int kIconBits = 0x0F0;
    static constexpr int kDefaultButtonBits = 0xF00;

    MessageBoxWindow();
    ~MessageBoxWindow();

    // Shows the box over owner and waits, dispatching the thread's messages, until it is
    // closed; owner's top-level window is disabled meanwhile. The result is the pressed
    // button's (1, 2, 6 or 7), or 0 when the box could not be shown or was closed without a
    // button. A quit message arriving meanwhile closes the box and stays queued for the main
    // loop. text holds lines separated by '\n' and is copied; caption is kept by address.
    // iconId names an icon of the program's module, used when style names no system icon
    // (0: none).
    int Show(HWND owner, const char* text, const char* caption, int style, int iconId, COLORREF textColour,
             COLORREF backColour, COLORREF frameColour);

    // Slots added by the box.
    virtual void AfterCreateBox();
    virtual void OnOtherCommand(int id, LPARAM lParam);
    virtual void CreateButtons();
    virtual int CreateBox();

    int RegisterWindowClass() override;
    void OnClose() override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    int OnCreate() override;
    void OnLButtonDown(WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    void OnSetFocus() override;

    // The window procedure of the box's buttons: moves the focus with Tab and the arrow
    // keys, presses a button on Enter or its underlined letter, and passes every message on
    // to the system's button procedure.
    static LRESULT CALLBACK ButtonKeyProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam);

    // The buttons of the box that is open; every box shares them.
    static int ButtonCount();
    static HWND ButtonWindow(int index);
    static int ButtonId(int index);
    static int FocusIndex();

    // Measures of the current showing.
    int CharUnit() const { return charUnit_; }
    int LineHeight() const { return lineHeight_; }
    int LineCount() const { return lineCount_; }
    int WidestLine() const { return widestLine_; }
    const RECT& TextRect() const { return textRect_; }
    HICON Icon() const { return icon_; }
    int Result() const { return result_; }

protected:
    // Creates the box's index-th button (60 x 30 pixels at x, y) that ends the box with
    // result; the box then has index + 1 buttons.
    void PlaceButton(int index, const char* title, int x, int y, int result);

    HWND Owner() const { return owner_; }
    const char* Text() const { return text_; }
    const char* Caption() const { return caption_; }
    COLORREF TextColour() const { return textColour_; }
    COLORREF BackColour() const { return backColour_; }

private:
    void CopyText(const char* text);
    void ReleaseText();
    // Index of the system icon the style word names, or -1 for none.
    int SystemIconIndex() const;
    void LoadBoxIcon(int iconId);
    // Line count, widest line and text rectangle's width, measured on the context.
    void Measure(HDC context, const char* text, int iconId);
    void WaitForClose();

    int open_ = 0;
    HWND owner_ = nullptr;
    HWND disabled_ = nullptr;  // the owner's top-level window, disabled while the box is up
    HICON icon_ = nullptr;
    int charUnit_ = 0;
    int lineHeight_ = 0;
    int lineCount_ = 0;
    int widestLine_ = 0;
    int result_ = 0;
    int buttonResults_[3] = {};
    int styleWord_ = 0;
    COLORREF textColour_ = 0;
    COLORREF backColour_ = 0;
    char* textCopy_ = nullptr;  // owned; null when the copy failed or was released
    const char* text_ = "";     // what the box shows: the copy, or the out-of-memory text
    const char* caption_ = "";
    RECT textRect_ = {};
    BevelFrame bevel_;
};
