// Closing the main window with and without the "Save folders?" question, and the commands
// that reach the frame through accelerators.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProgramTest.h"
#include "app/MainFrame.h"
#include "app/Program.h"
#include "app/Resource.h"
#include "app/Workspace.h"
#include "support/BoxAnswer.h"
#include "support/DialogAnswerer.h"
#include "support/Input.h"
#include "support/RunInsideModalLoop.h"
#include "support/RunningProgram.h"
#include "ui/ButtonBar.h"
#include "ui/MessageBoxWindow.h"

namespace {

// Long enough for a box to come (it comes within milliseconds); a box that does not come
// costs this wait.
constexpr DWORD kNoBoxWait = 400;

bool MainWindowGone()
{
    return !IsWindow(mainFrame.Handle());
}

class UnmodifiedCloseTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        ASSERT_TRUE(Start());
    }
};

TEST_F(UnmodifiedCloseTest, ExitClosesAtOnce)
{
    BoxAnswer question(IDCANCEL, kNoBoxWait);
    Command(IDM_EXIT);
    EXPECT_TRUE(MainWindowGone());
    EXPECT_FALSE(question.Appeared());
}

TEST_F(UnmodifiedCloseTest, AltXClosesAtOnce)
{
    BoxAnswer question(IDCANCEL, kNoBoxWait);
    input::PressWith(VK_MENU, 'X');
    EXPECT_TRUE(PumpProgramUntil(MainWindowGone));
    EXPECT_FALSE(question.Appeared());
}

TEST_F(UnmodifiedCloseTest, CloseBoxClosesAtOnce)
{
    BoxAnswer question(IDCANCEL, kNoBoxWait);
    SendMessageA(mainFrame.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(MainWindowGone());
    EXPECT_FALSE(question.Appeared());
}

POINT CentreOf(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// The about box is modal for the whole program: a click on "E&xit" beneath it is lost, and
// the click on its "&Ok" that comes after it closes the box and gives the input back.
TEST_F(UnmodifiedCloseTest, ExitClickedWhileTheAboutBoxIsUpDoesNothing)
{
    GuardAgainstOpenWindow("CMSGCLASS");
    bool enabledUnderTheBox = true;
    RunInsideModalLoop([&enabledUnderTheBox] {
        enabledUnderTheBox = IsWindowEnabled(mainFrame.Handle()) != 0;
        input::Click(CentreOf(buttonBar.ButtonWindow(IDM_EXIT)));
        input::Click(CentreOf(MessageBoxWindow::ButtonWindow(0)));
    });
    Command(IDM_ABOUT);
    CancelAllModalActions();
    EXPECT_FALSE(enabledUnderTheBox);
    EXPECT_FALSE(MainWindowGone());
    EXPECT_TRUE(IsWindowEnabled(mainFrame.Handle()));
}

// A scan has made the index differ from the data file, whose name is known from the start.
class ModifiedCloseTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        d.Folder("new");
        ASSERT_TRUE(StartWithDataFile(dataFile, {"D:\\old"}));
        Scan();
        ASSERT_EQ(workspace.Modified(), 1);
    }

    // Closes by the close box while the question is answered with button; the question.
    std::string CloseAnswering(int button)
    {
        BoxAnswer question(button);
        SendMessageA(mainFrame.Handle(), WM_CLOSE, 0, 0);
        EXPECT_EQ(question.Caption(), "Vantorelle");
        return question.Text();
    }

    const std::string dataFile = "D:\\folders.dat";
};

TEST_F(ModifiedCloseTest, CancelKeepsTheProgramAsItWas)
{
    EXPECT_EQ(CloseAnswering(IDCANCEL), "Save folders?");
    EXPECT_FALSE(MainWindowGone());
    EXPECT_EQ(workspace.Modified(), 1);
    EXPECT_TRUE(ButtonEnabled(IDM_SAVE));
    EXPECT_EQ(ListCount(), 1);
    EXPECT_EQ(DataFilePaths(dataFile), (std::vector<std::string>{"D:\\old"}));
}

TEST_F(ModifiedCloseTest, NoClosesWithoutSaving)
{
    EXPECT_EQ(CloseAnswering(IDNO), "Save folders?");
    EXPECT_TRUE(MainWindowGone());
    EXPECT_EQ(DataFilePaths(dataFile), (std::vector<std::string>{"D:\\old"}));
}

TEST_F(ModifiedCloseTest, YesSavesThenCloses)
{
    EXPECT_EQ(CloseAnswering(IDYES), "Save folders?");
    EXPECT_TRUE(MainWindowGone());
    EXPECT_EQ(DataFilePaths(dataFile), (std::vector<std::string>{"D:\\new"}));
}

TEST_F(ModifiedCloseTest, ExitAsksTheSameQuestion)
{
    BoxAnswer question(IDCANCEL);
    Command(IDM_EXIT);
    EXPECT_EQ(question.Text(), "Save folders?");
    EXPECT_FALSE(MainWindowGone());
}

TEST_F(ModifiedCloseTest, SessionEndRefusedWithCancelLeavesTheProgramRunning)
{
    BoxAnswer question(IDCANCEL);
    EXPECT_EQ(SendMessageA(mainFrame.Handle(), WM_QUERYENDSESSION, 0, 0), 0);
    EXPECT_EQ(question.Text(), "Save folders?");
    EXPECT_FALSE(MainWindowGone());
    EXPECT_EQ(workspace.Modified(), 1);
}

// "Save folders?" answered Yes closes only once the index is saved.
class SaveOnCloseTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        d.Folder("new");
    }
    std::string question;
};

TEST_F(SaveOnCloseTest, YesWithTheSaveDialogCancelledKeepsTheProgramAsItWas)
{
    ASSERT_TRUE(Start());
    Scan();
    DialogAnswerer answers("#32770", nullptr,
                           InTurn(AnswerBox(IDYES, &question), [](HWND dialog) { ClickButton(dialog, IDCANCEL); }));
    SendMessageA(mainFrame.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(answers.Finished());
    EXPECT_EQ(question, "Save folders?");
    EXPECT_FALSE(MainWindowGone());
    EXPECT_EQ(workspace.Modified(), 1);
    EXPECT_TRUE(ButtonEnabled(IDM_SAVE));
    EXPECT_EQ(ListCount(), 1);
}

// The data file's folder is gone before the save.
TEST_F(SaveOnCloseTest, YesWhoseSaveFailsRefusesTheSessionEnd)
{
    d.Folder("lists");
    ASSERT_TRUE(StartWithDataFile("D:\\lists\\folders.dat", {"D:\\new"}));
    d.Empty();
    d.Folder("new");
    Scan();
    std::string warning;
    DialogAnswerer answers("#32770", nullptr, InTurn(AnswerBox(IDYES, &question), AnswerBox(IDOK, &warning)));
    EXPECT_EQ(SendMessageA(mainFrame.Handle(), WM_QUERYENDSESSION, 0, 0), 0);
    EXPECT_TRUE(answers.Finished());
    EXPECT_EQ(warning, "Unable to open file");
    EXPECT_FALSE(MainWindowGone());
    EXPECT_EQ(workspace.Modified(), 1);
    EXPECT_STREQ(workspace.DataFileName(), "D:\\lists\\folders.dat");
}

TEST_F(UnmodifiedCloseTest, SessionEndStoresThePlacementAndKeepsTheWindows)
{
    EXPECT_NE(SendMessageA(mainFrame.Handle(), WM_QUERYENDSESSION, 0, 0), 0);
    std::string unused;
    ASSERT_FALSE(ReadProgramSetting("rcNormal", &unused));
    SendMessageA(mainFrame.Handle(), WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(ReadProgramSetting("showCmd", &unused));
    EXPECT_TRUE(ReadProgramSetting("rcNormal", &unused));
    EXPECT_FALSE(MainWindowGone());
}

// Accelerators reach the frame whatever has the focus and whether or not the button is enabled.
class AcceleratorTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        d.Folder("alpha");
        d.Folder("beta");
        ASSERT_TRUE(StartWithDataFile(dataFile, {"D:\\beta", "D:\\alpha"}));
    }

    const std::string dataFile = "D:\\folders.dat";
};

TEST_F(AcceleratorTest, AltVWithNothingModifiedWritesNothing)
{
    const FILETIME before = LastWriteTime(dataFile);
    input::PressWith(VK_MENU, 'V');
    PumpProgramFor(100);
    const FILETIME after = LastWriteTime(dataFile);
    EXPECT_EQ(CompareFileTime(&before, &after), 0);
    EXPECT_FALSE(ButtonEnabled(IDM_SAVE));
}

TEST_F(AcceleratorTest, AltVSavesAScannedIndex)
{
    Scan();
    input::PressWith(VK_MENU, 'V');
    EXPECT_TRUE(PumpProgramUntil([] { return workspace.Modified() == 0; }));
    EXPECT_EQ(DataFilePaths(dataFile), (std::vector<std::string>{"D:\\alpha", "D:\\beta"}));
    EXPECT_FALSE(ButtonEnabled(IDM_SAVE));
}

TEST_F(AcceleratorTest, AltFWithoutSelectionOpensNothing)
{
    input::PressWith(VK_MENU, 'F');
    PumpProgramFor(100);
    EXPECT_TRUE(opened.empty());
}

TEST_F(AcceleratorTest, AltFOpensTheFolderASearchSelectedWhileViewFilesIsDisabled)
{
    PostMessageA(workspace.SearchEdit(), WM_CHAR, 'a', 0);
    ASSERT_TRUE(PumpProgramUntil([this] { return Selection() == 1; }));
    ASSERT_FALSE(ButtonEnabled(IDM_VIEW_FILES));
    input::PressWith(VK_MENU, 'F');
    EXPECT_TRUE(PumpProgramUntil([] { return !opened.empty(); }));
    EXPECT_EQ(opened, (std::vector<std::string>{"D:\\alpha"}));
}

TEST_F(AcceleratorTest, CommandWithAnUnknownIdChangesNothing)
{
    SendMessageA(workspace.FolderList(), LB_SETCURSEL, 0, 0);
    const FILETIME before = LastWriteTime(dataFile);
    for (int id : {0, 1, 40000, 40006, 2001}) {
        Command(id);
    }
    PumpProgramFor(50);
    const FILETIME after = LastWriteTime(dataFile);
    EXPECT_FALSE(MainWindowGone());
    EXPECT_EQ(CompareFileTime(&before, &after), 0);
    EXPECT_EQ(ListCount(), 2);
    EXPECT_EQ(Selection(), 0);
    EXPECT_EQ(workspace.Modified(), 0);
    EXPECT_TRUE(ButtonEnabled(IDM_SCAN_DRIVES));
    EXPECT_FALSE(ButtonEnabled(IDM_SAVE));
    EXPECT_FALSE(ButtonEnabled(IDM_VIEW_FILES));
    EXPECT_TRUE(opened.empty());
}

}  // namespace
