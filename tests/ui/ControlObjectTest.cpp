// Child controls on real windows: automatic ids, accelerators, adoption, commands, subclassing.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/RunInsideModalLoop.h"
#include "support/TestWindow.h"
#include "ui/FolderListBox.h"
#include "ui/PushButton.h"

namespace {

// Taken while the test program starts, before any test runs (nothing in the program takes an
// automatic id during static initialisation), so it is the first id this process hands out.
int TakeFirstAutomaticId()
{
    PushButton button;
    return button.AssignControlId();
}
const int firstAutomaticIdOfProcess = TakeFirstAutomaticId();

class Listener : public CommandTarget {
public:
    void OnControl(int id) { heard.push_back(id); }
    std::vector<int> heard;
};

const CommandHandler kOnControl = static_cast<CommandHandler>(&Listener::OnControl);

// Lets a test see the messages of a subclassed button and passes them on unchanged.
class WatchedButton : public PushButton {
public:
    WatchedButton() : PushButton(1) {}
    // Its window would otherwise outlive it and keep calling it.
    ~WatchedButton()
    {
        if (IsWindow(Handle())) {
            DestroyWindow(Handle());
        }
    }
    LRESULT OnControlMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        seen.push_back(message);
        return PushButton::OnControlMessage(message, wParam, lParam);
    }
    std::vector<UINT> seen;
};

std::string TextOf(HWND window)
{
    char text[64] = "";
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

class ControlObjectTest : public ::testing::Test {
protected:
    RecordingParent parent{WM_COMMAND};
};

TEST_F(ControlObjectTest, FirstAutomaticIdOfProcessIs900)
{
    EXPECT_EQ(ControlObject::kFirstAutomaticId, 900);
    EXPECT_EQ(firstAutomaticIdOfProcess, 900);
}

TEST_F(ControlObjectTest, ButtonsWithoutIdGetConsecutiveAutomaticIds)
{
    PushButton first, second, third;
    ASSERT_TRUE(first.Create(parent.Handle(), 0, "One", 0, 0, 60, 24));
    ASSERT_TRUE(second.Create(parent.Handle(), 0, "Two", 60, 0, 60, 24));
    ASSERT_TRUE(third.Create(parent.Handle(), 0, "Three", 120, 0, 60, 24));
    EXPECT_GE(first.Id(), ControlObject::kFirstAutomaticId);
    EXPECT_EQ(second.Id(), first.Id() + 1);
    EXPECT_EQ(third.Id(), first.Id() + 2);
    EXPECT_EQ(GetDlgCtrlID(third.Handle()), third.Id());
}

TEST_F(ControlObjectTest, AcceleratorIsCharacterAfterFirstAmpersand)
{
    PushButton scan, view, plain, trailing;
    scan.Create(parent.Handle(), 40001, "&Scan drives", 0, 0, 90, 24);
    view.Create(parent.Handle(), 40005, "View &files", 0, 0, 90, 24);
    plain.Create(parent.Handle(), 40006, "Plain", 0, 0, 90, 24);
    trailing.Create(parent.Handle(), 40007, "Ends in &", 0, 0, 90, 24);
    EXPECT_EQ(scan.Accelerator(), 'S');
    EXPECT_EQ(view.Accelerator(), 'f');
    EXPECT_EQ(plain.Accelerator(), 0);
    EXPECT_EQ(trailing.Accelerator(), 0);
}

TEST_F(ControlObjectTest, ExistingChildWithSameIdIsAdopted)
{
    HWND existing = CreateWindowExA(0, "BUTTON", "Placed", WS_CHILD | WS_VISIBLE, 5, 5, 70, 20, parent.Handle(),
                                    reinterpret_cast<HMENU>(1234), nullptr, nullptr);
    PushButton button;
    ASSERT_TRUE(button.Create(parent.Handle(), 1234, "Other", 0, 0, 90, 24));
    EXPECT_EQ(button.Handle(), existing);
    EXPECT_EQ(CountChildWindows(parent.Handle()), 1);
    EXPECT_EQ(ControlObject::FromHandle(existing), &button);
    EXPECT_EQ(TextOf(existing), "Placed");
}

TEST_F(ControlObjectTest, ButtonIgnoresCommandsOtherThanClicked)
{
    PushButton button;
    Listener listener;
    ASSERT_TRUE(button.Create(parent.Handle(), 0, "Go", 0, 0, 60, 24));
    button.SetCallback(&listener, kOnControl);
    EXPECT_EQ(button.OnCommand(BN_SETFOCUS, button.Id()), 0);
    EXPECT_TRUE(listener.heard.empty());
}

TEST_F(ControlObjectTest, ClickedButtonCallsHandlerWithItsId)
{
    PushButton button;
    Listener listener;
    ASSERT_TRUE(button.Create(parent.Handle(), 0, "Go", 0, 0, 60, 24));
    EXPECT_EQ(button.OnCommand(BN_CLICKED, button.Id()), 0);  // no handler yet: not handled
    button.SetCallback(&listener, kOnControl);
    EXPECT_EQ(button.OnCommand(BN_CLICKED, button.Id()), 1);
    EXPECT_EQ(listener.heard, std::vector<int>{button.Id()});
}

TEST_F(ControlObjectTest, ListSelectionChangeIsStoredWithoutHandler)
{
    FolderListBox list;
    ASSERT_TRUE(list.Create(parent.Handle(), 0, "", 0, 0, 200, 100));
    for (const char* item : {"alpha", "beta", "gamma"}) {
        SendMessageA(list.Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    EXPECT_EQ(list.Selection(), LB_ERR);
    SendMessageA(list.Handle(), LB_SETCURSEL, 2, 0);
    EXPECT_EQ(list.OnCommand(LBN_SELCHANGE, list.Id()), 0);
    EXPECT_EQ(list.Selection(), 2);
}

TEST_F(ControlObjectTest, SetWindowProcRefusesNonWindowAndNullProcedure)
{
    HWND button = CreateWindowExA(0, "BUTTON", "B", WS_CHILD, 0, 0, 50, 20, parent.Handle(), nullptr, nullptr, nullptr);
    const LONG_PTR before = GetWindowLongPtrA(button, GWLP_WNDPROC);
    EXPECT_EQ(SetWindowProc(button, nullptr), nullptr);
    EXPECT_EQ(GetWindowLongPtrA(button, GWLP_WNDPROC), before);
    DestroyWindow(button);
    EXPECT_EQ(SetWindowProc(button, DefWindowProcA), nullptr);
}

TEST_F(ControlObjectTest, SubclassedButtonStillWorks)
{
    WatchedButton button;
    ASSERT_TRUE(button.Create(parent.Handle(), 0, "&Subclassed", 0, 0, 100, 24));
    EXPECT_EQ(TextOf(button.Handle()), "&Subclassed");
    SendMessageA(button.Handle(), BM_SETSTATE, TRUE, 0);
    EXPECT_TRUE(SendMessageA(button.Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED);
    SendMessageA(button.Handle(), BM_SETSTATE, FALSE, 0);

    SendMessageA(button.Handle(), BM_CLICK, 0, 0);
    ASSERT_EQ(parent.Received().size(), 1u);
    EXPECT_EQ(parent.Received()[0].wParam, MAKEWPARAM(button.Id(), BN_CLICKED));
    EXPECT_NE(std::find(button.seen.begin(), button.seen.end(), static_cast<UINT>(BM_GETSTATE)), button.seen.end());
}

TEST_F(ControlObjectTest, SubclassingTwiceKeepsButtonWorking)
{
    WatchedButton button;
    ASSERT_TRUE(button.Create(parent.Handle(), 0, "Twice", 0, 0, 100, 24));
    button.Subclass(nullptr);
    EXPECT_EQ(TextOf(button.Handle()), "Twice");
}

}  // namespace
