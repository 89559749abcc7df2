// Window objects on real windows: which slot runs for which message, creation and destruction.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/BoxAnswer.h"
#include "support/RunInsideModalLoop.h"
#include "ui/PushButton.h"
#include "ui/WindowObject.h"

namespace {

constexpr char kClassName[] = "VantorelleTestWindow";

// A framework window that records every message its object sees and the slots that run.
class RecordingWindow : public WindowObject {
public:
    enum class CreateAnswer { Accept, Refuse, Default };

    CreateAnswer createAnswer = CreateAnswer::Accept;
    std::vector<UINT> messages;
    std::vector<std::string> slots;
    std::vector<UINT> otherMessages;
    HWND handleInOnCreate = nullptr;
    bool windowInOnCreate = false;
    LPARAM notifyParam = 0;

    RecordingWindow() { SetStyle(WS_OVERLAPPEDWINDOW); }

    int Create(HWND parent, HMENU menuOrId, const char* title, int x, int y, int width, int height) override
    {
        RegisterWindowClass();
        return CreateWindowObject(kClassName, parent, menuOrId, title, x, y, width, height);
    }
    int Create() { return Create(nullptr, nullptr, "Recording", 100, 100, 300, 200); }

    int RegisterWindowClass() override
    {
        static int registered = 0;
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = SharedWindowProc;
        windowClass.cbWndExtra = 4;
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kClassName;
        return RegisterOnce(&registered, &windowClass, true);
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        messages.push_back(message);
        return WindowObject::WindowProc(message, wParam, lParam);
    }

    int OnCreate() override
    {
        slots.push_back("OnCreate");
        handleInOnCreate = Handle();
        windowInOnCreate = IsWindow(Handle()) != 0;
        if (createAnswer == CreateAnswer::Default) {
            return WindowObject::OnCreate();
        }
        return createAnswer == CreateAnswer::Accept;
    }
    void OnDestroy() override { slots.push_back("OnDestroy"); }
    int SaveState() override
    {
        slots.push_back("SaveState");
        return 1;
    }
    void PostDestroy() override { slots.push_back("PostDestroy"); }
    void OnEndSession(WPARAM, LPARAM) override { slots.push_back("OnEndSession"); }
    void OnDrawItem(WPARAM, LPARAM) override { slots.push_back("OnDrawItem"); }
    void OnNotify(WPARAM, LPARAM lParam) override
    {
        slots.push_back("OnNotify");
        notifyParam = lParam;
    }
    int OnOtherMessage(UINT message, WPARAM, LPARAM) override
    {
        otherMessages.push_back(message);
        return 0;
    }
};

// A button whose object answers the notifications it sends.
class NotifyingButton : public PushButton {
public:
    LRESULT OnNotify(NMHDR*) override { return 42; }
};

class WindowObjectTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (window.Handle()) {
            window.Destroy();
        }
    }

    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam)
    {
        return SendMessageA(window.Handle(), message, wParam, lParam);
    }

    RecordingWindow window;
};

// Every message the thread's windows are sent, in order, as (window, message).
std::vector<std::pair<HWND, UINT>> sentMessages;

LRESULT CALLBACK RecordSent(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* sent = reinterpret_cast<CWPSTRUCT*>(lParam);
    sentMessages.emplace_back(sent->hwnd, sent->message);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(WindowObjectTest, ObjectSeesNothingBeforeNcCreate)
{
    sentMessages.clear();
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, RecordSent, nullptr, GetCurrentThreadId());
    ASSERT_TRUE(window.Create());
    UnhookWindowsHookEx(hook);

    std::vector<UINT> toWindow;
    for (const auto& sent : sentMessages) {
        if (sent.first == window.Handle()) {
            toWindow.push_back(sent.second);
        }
    }
    ASSERT_GE(toWindow.size(), 2u);
    EXPECT_EQ(toWindow[0], static_cast<UINT>(WM_GETMINMAXINFO));
    EXPECT_EQ(toWindow[1], static_cast<UINT>(WM_NCCREATE));
    ASSERT_FALSE(window.messages.empty());
    EXPECT_EQ(window.messages[0], static_cast<UINT>(WM_NCCREATE));
}

TEST_F(WindowObjectTest, HandleIsValidInsideOnCreate)
{
    ASSERT_TRUE(window.Create());
    EXPECT_TRUE(window.windowInOnCreate);
    EXPECT_EQ(window.handleInOnCreate, window.Handle());
}

TEST_F(WindowObjectTest, RefusingOnCreateLeavesNoWindow)
{
    window.createAnswer = RecordingWindow::CreateAnswer::Refuse;
    EXPECT_EQ(window.Create(), 0);
    EXPECT_EQ(window.Handle(), nullptr);
    EXPECT_FALSE(IsWindow(window.handleInOnCreate));
    EXPECT_EQ(CountThreadWindows(kClassName), 0);
}

TEST_F(WindowObjectTest, DefaultOnCreateRefuses)
{
    window.createAnswer = RecordingWindow::CreateAnswer::Default;
    EXPECT_EQ(window.Create(), 0);
    EXPECT_EQ(window.Handle(), nullptr);
}

TEST_F(WindowObjectTest, SecondCreateOnLiveWindowMakesNothing)
{
    ASSERT_TRUE(window.Create());
    HWND first = window.Handle();
    EXPECT_NE(window.Create(), 0);
    EXPECT_EQ(window.Handle(), first);
    EXPECT_EQ(CountThreadWindows(kClassName), 1);
    EXPECT_EQ(window.slots, std::vector<std::string>{"OnCreate"});
}

TEST_F(WindowObjectTest, DestroyRunsDestroySlotsInOrderAndClearsHandle)
{
    ASSERT_TRUE(window.Create());
    HWND handle = window.Handle();
    window.slots.clear();
    EXPECT_EQ(window.Destroy(), 1);
    EXPECT_EQ(window.slots, (std::vector<std::string>{"OnDestroy", "SaveState", "PostDestroy"}));
    EXPECT_EQ(window.Handle(), nullptr);
    EXPECT_FALSE(IsWindow(handle));
}

TEST_F(WindowObjectTest, AWindowDestroyedOtherThanThroughDestroyCanBeMadeAgain)
{
    ASSERT_TRUE(window.Create());
    HWND first = window.Handle();
    // As when its parent goes: the object is not asked, yet must not keep the dead handle.
    ASSERT_TRUE(DestroyWindow(first));
    EXPECT_EQ(window.Handle(), nullptr);
    ASSERT_TRUE(window.Create());
    EXPECT_TRUE(IsWindow(window.Handle()));
}

TEST_F(WindowObjectTest, EndSessionSavesStateOnlyWhenSessionEnds)
{
    ASSERT_TRUE(window.Create());
    window.slots.clear();
    EXPECT_EQ(Send(WM_ENDSESSION, 0, 0), 0);
    EXPECT_EQ(window.slots, std::vector<std::string>{"OnEndSession"});
    window.slots.clear();
    EXPECT_EQ(Send(WM_ENDSESSION, 1, 0), 0);
    EXPECT_EQ(window.slots, (std::vector<std::string>{"OnEndSession", "SaveState"}));
}

TEST_F(WindowObjectTest, NotifyFromControlWithObjectYieldsObjectsResult)
{
    ASSERT_TRUE(window.Create());
    NotifyingButton button;
    ASSERT_TRUE(button.Create(window.Handle(), 0, "Notify", 0, 0, 80, 24));
    NMHDR header = {button.Handle(), static_cast<UINT_PTR>(button.Id()), 1};
    window.slots.clear();
    EXPECT_EQ(Send(WM_NOTIFY, button.Id(), reinterpret_cast<LPARAM>(&header)), 42);
    EXPECT_TRUE(window.slots.empty());
}

TEST_F(WindowObjectTest, NotifyFromOtherSenderGoesToWindowAndYieldsZero)
{
    ASSERT_TRUE(window.Create());
    HWND plain = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, window.Handle(), reinterpret_cast<HMENU>(77),
                                 nullptr, nullptr);
    NMHDR header = {plain, 77, 1};
    window.slots.clear();
    EXPECT_EQ(Send(WM_NOTIFY, 77, reinterpret_cast<LPARAM>(&header)), 0);
    EXPECT_EQ(window.slots, std::vector<std::string>{"OnNotify"});
    EXPECT_EQ(window.notifyParam, reinterpret_cast<LPARAM>(&header));
}

TEST_F(WindowObjectTest, DrawItemYieldsOne)
{
    ASSERT_TRUE(window.Create());
    DRAWITEMSTRUCT item = {};
    window.slots.clear();
    EXPECT_EQ(Send(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item)), 1);
    EXPECT_EQ(window.slots, std::vector<std::string>{"OnDrawItem"});
}

TEST_F(WindowObjectTest, VKeyToItemAsksForDefaultAction)
{
    ASSERT_TRUE(window.Create());
    EXPECT_EQ(Send(WM_VKEYTOITEM, VK_DOWN, 0), -1);
}

TEST_F(WindowObjectTest, UnmappedMessageGetsExactlyTheDefaultResult)
{
    ASSERT_TRUE(window.Create());
    HWND handle = window.Handle();
    window.otherMessages.clear();
    EXPECT_EQ(Send(WM_GETTEXTLENGTH, 0, 0), DefWindowProcA(handle, WM_GETTEXTLENGTH, 0, 0));
    EXPECT_EQ(Send(WM_GETTEXTLENGTH, 0, 0), 9);  // "Recording"
    const LPARAM inCaption = MAKELPARAM(150, 110);
    EXPECT_EQ(Send(WM_NCHITTEST, 0, inCaption), DefWindowProcA(handle, WM_NCHITTEST, 0, inCaption));
    EXPECT_EQ(window.otherMessages.front(), static_cast<UINT>(WM_GETTEXTLENGTH));
}

// A class of its own, registered by this test only.
class TwiceRegisteredWindow : public WindowObject {
public:
    int RegisterWindowClass() override
    {
        static int registered = 0;
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = SharedWindowProc;
        windowClass.cbWndExtra = 4;
        windowClass.lpszClassName = "VantorelleTwiceRegistered";
        return RegisterOnce(&registered, &windowClass, false);
    }
};

TEST(WindowClassRegistration, SecondRegistrationDoesNotCallRegisterClass)
{
    TwiceRegisteredWindow window;
    EXPECT_EQ(window.RegisterWindowClass(), 1);
    // A second RegisterClassA would fail with ERROR_CLASS_ALREADY_EXISTS. The class was
    // registered with a null instance, which stands for the program's own module.
    SetLastError(0);
    EXPECT_EQ(window.RegisterWindowClass(), 0);
    EXPECT_EQ(GetLastError(), 0u);
    WNDCLASSA windowClass;
    EXPECT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), "VantorelleTwiceRegistered", &windowClass));
}

// A class that keeps the base Create.
class WindowWithoutCreate : public WindowObject {
public:
    int RegisterWindowClass() override { return 0; }
};

TEST(MissingCreate, BaseCreateReportsMissingCreateAndFails)
{
    WindowWithoutCreate window;
    BoxAnswer answer(IDOK);
    EXPECT_EQ(window.Create(nullptr, nullptr, "", 0, 0, 10, 10), 0);
    EXPECT_EQ(answer.Caption(), "App Error");
    EXPECT_EQ(answer.Text(), "Missing Create");
    EXPECT_EQ(window.Handle(), nullptr);
}

}  // namespace
