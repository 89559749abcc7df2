// The round about box: the program's icon, its version lines, an Ok button and the maker's link.
#pragma once

#include "ProgramVersion.h"
#include "ui/FontHolder.h"
#include "ui/LinkControl.h"
#include "ui/MessageBoxWindow.h"
#include "ui/ShellOpen.h"

// What the about command shows: two lines of text, and the maker's web address as the link.
inline constexpr char kAboutText[] =
    "Vantorelle Version " VANTORELLE_VERSION_TEXT "\n(c) 2026 Ilse Marwick, Zelcor Freeware";
inline constexpr char kAboutLink[] = "https://www.zelcor-freeware.example/vantorelle";
inline constexpr int kAboutIconId = 103;


// Shown with MessageBoxWindow::Show; the caption is the link and is not shown as a title.
class AboutBox : public MessageBoxWindow {
public:
    AboutBox() = default;
    ~AboutBox();

    void OnDrawItem(WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    void OnOtherCommand(int id, LPARAM lParam) override;
    void CreateButtons() override;
    int CreateBox() override;

    // How a clicked link reaches the shell; a test can put a recorder here.
    ShellOpenFunction shellOpen = OpenWithShell;

    // The bounds of the oval, taken when the box is created.
    int BoxWidth() const { return boxWidth_; }
    int BoxHeight() const { return boxHeight_; }
    // Where the link sits, in client coordinates; valid once the box has been painted.
    const RECT& LinkRect() const { return linkRect_; }

private:
    void CreateLink(HDC context, int top);

    int linkCreated_ = 0;
    int boxWidth_ = 0;
    int boxHeight_ = 0;
    RECT linkRect_ = {};
    FontHolder linkFont_;
    LinkControl link_;
};
