// The file dialog: extension stripping, and the real common dialogs answered like a user.
#include <windows.h>

#include <dlgs.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "dialogs/FileDialog.h"
#include "support/DialogAnswerer.h"
#include "support/TempTree.h"

namespace {

const char kFilter[] = "Vantorelle data file (*.dat)\0*.dat\0Text file (*.txt)\0*.txt\0";

std::string Stripped(const char* path)
{
    char buffer[MAX_PATH];
    lstrcpyA(buffer, path);
    FileDialog::StripExtension(buffer);
    return buffer;
}

// Types a name into the dialog's file name box and presses its OK button.
DialogAnswerer::Answer TypeAndConfirm(const std::string& name)
{
    return [name](HWND dialog) {
        SetControlText(dialog, cmb13, name.c_str());
        ClickButton(dialog, IDOK);
    };
}

// Picks another entry of the file type box and sends the notifications a mouse choice sends
// (Wine's dialog acts on the second one, CBN_SELENDOK).
DialogAnswerer::Answer ChooseTypeThenConfirm(int typeIndex, const std::string& name)
{
    return [typeIndex, name](HWND dialog) {
        HWND types = FindControl(dialog, cmb1);
        DWORD_PTR result = 0;
        SendMessageTimeoutA(types, CB_SETCURSEL, typeIndex, 0, SMTO_ABORTIFHUNG, 5000, &result);
        for (WORD notification : {CBN_SELCHANGE, CBN_SELENDOK}) {
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb1, notification), reinterpret_cast<LPARAM>(types));
        }
        TypeAndConfirm(name)(dialog);
    };
}

// Opens a folder in the dialog the way a user moves there, by typing its path and pressing
// OK, then types a name in it and confirms. Browsing is what moves a process's current
// directory unless the dialog is told not to.
DialogAnswerer::Answer OpenFolderThenConfirm(const std::string& folder, const std::string& name)
{
    return [folder, name](HWND dialog) {
        TypeAndConfirm(folder)(dialog);
        char shown[MAX_PATH] = {};
        for (int wait = 0; wait < 250 && lstrcmpiA(shown, folder.c_str()) != 0; ++wait) {
            Sleep(20);
            DWORD_PTR result = 0;
            SendMessageTimeoutA(dialog, CDM_GETFOLDERPATH, sizeof shown, reinterpret_cast<LPARAM>(shown),
                                SMTO_ABORTIFHUNG, 5000, &result);
        }
        TypeAndConfirm(name)(dialog);
    };
}

class FileDialogTest : public ::testing::Test {
protected:
    // Runs dialog on buffer (proposed name "Vantorelle.dat") while answer plays the user.
    int Run(FileDialog& dialog, DialogAnswerer::Answer answer, int size = MAX_PATH)
    {
        lstrcpyA(buffer, "Vantorelle.dat");
        DialogAnswerer answerer("#32770", nullptr, answer);
        const int result = dialog.Run(nullptr, buffer, size, nullptr);
        EXPECT_TRUE(answerer.Finished());
        return result;
    }
    int Save(const std::string& typed, const char* defaultExtension = ".dat")
    {
        FileDialog dialog(0, kFilter, 1, defaultExtension);
        return Run(dialog, TypeAndConfirm(tree.Root() + typed));
    }

    TempTree tree;
    char buffer[MAX_PATH + 16];
};

}  // namespace

TEST(StripExtensionTest, FinalExtensionIsRemoved)
{
    EXPECT_EQ("D:\\lists\\folders", Stripped("D:\\lists\\folders.txt"));
    EXPECT_EQ("folders", Stripped("folders.dat"));
    EXPECT_EQ("folders.tar", Stripped("folders.tar.gz"));
}

TEST(StripExtensionTest, NameWithoutExtensionIsKept)
{
    EXPECT_EQ("folders", Stripped("folders"));
    EXPECT_EQ("D:\\lists\\folders", Stripped("D:\\lists\\folders"));
}

TEST(StripExtensionTest, DottedDirectoryWithUndottedNameKeepsTheName)
{
    EXPECT_EQ("D:\\my.lists\\folders", Stripped("D:\\my.lists\\folders"));
    EXPECT_EQ("D:folders", Stripped("D:folders"));
}

TEST(StripExtensionTest, NameStartingWithADotAndNoOtherBecomesEmpty)
{
    EXPECT_EQ("", Stripped(".dat"));
    EXPECT_EQ("D:\\lists\\", Stripped("D:\\lists\\.dat"));
}

TEST(StripExtensionTest, EmptyStringStaysEmpty)
{
    EXPECT_EQ("", Stripped(""));
}

TEST_F(FileDialogTest, SavedTxtNameGetsTheDefaultExtensionInstead)
{
    ASSERT_EQ(1, Save("folders.txt"));
    EXPECT_EQ(tree.Root() + "folders.dat", buffer);
}

TEST_F(FileDialogTest, SavedNameWithoutExtensionGainsTheDefaultExtension)
{
    ASSERT_EQ(1, Save("folders"));
    EXPECT_EQ(tree.Root() + "folders.dat", buffer);
}

TEST_F(FileDialogTest, SavedNameWithTheDefaultExtensionKeepsIt)
{
    ASSERT_EQ(1, Save("folders.dat"));
    EXPECT_EQ(tree.Root() + "folders.dat", buffer);
}

TEST_F(FileDialogTest, SavedNameInADottedDirectoryOnlyGainsTheExtension)
{
    tree.Folder("my.lists");
    ASSERT_EQ(1, Save("my.lists\\folders"));
    EXPECT_EQ(tree.Root() + "my.lists\\folders.dat", buffer);
}

TEST_F(FileDialogTest, SaveInAFolderOpenedInTheDialogLeavesTheCurrentDirectoryWhereItWas)
{
    char before[MAX_PATH] = {};
    char after[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof before, before);
    const std::string folder = tree.Folder("lists");
    FileDialog dialog(0, kFilter, 1, ".dat");
    ASSERT_EQ(1, Run(dialog, OpenFolderThenConfirm(folder, "folders.dat")));
    EXPECT_EQ(folder + "\\folders.dat", buffer);
    GetCurrentDirectoryA(sizeof after, after);
    EXPECT_STREQ(before, after);
}

TEST_F(FileDialogTest, WithoutDefaultExtensionTheNameIsLeftAsGiven)
{
    ASSERT_EQ(1, Save("folders.txt", nullptr));
    EXPECT_EQ(tree.Root() + "folders.txt", buffer);
}

TEST_F(FileDialogTest, NameTooLongForTheBufferWithTheExtensionIsRefused)
{
    const std::string chosen = tree.Root() + "n.t";
    const int size = static_cast<int>(chosen.size() + 1);
    std::memset(buffer, '#', sizeof buffer);
    FileDialog dialog(0, kFilter, 1, ".dat");
    EXPECT_EQ(0, Run(dialog, TypeAndConfirm(chosen), size));
    EXPECT_EQ(chosen, buffer);
    for (size_t i = static_cast<size_t>(size); i < sizeof buffer; ++i) {
        ASSERT_EQ('#', buffer[i]) << "byte " << i;
    }
}

TEST_F(FileDialogTest, CancelledSaveReturnsZeroAndLeavesTheProposal)
{
    FileDialog dialog(0, kFilter, 1, ".dat");
    EXPECT_EQ(0, Run(dialog, [](HWND window) { ClickButton(window, IDCANCEL); }));
    EXPECT_STREQ("Vantorelle.dat", buffer);
}

TEST_F(FileDialogTest, OpenConfirmedWithTheSameFilterLeavesTheChangedFlag)
{
    const std::string existing = tree.File("folders.dat");
    FileDialog dialog(1, kFilter, 1, ".dat");
    ASSERT_EQ(1, Run(dialog, TypeAndConfirm(existing)));
    EXPECT_EQ(existing, buffer);
    EXPECT_EQ(0, dialog.Changed());
    EXPECT_EQ(1, dialog.FilterIndex());
}

TEST_F(FileDialogTest, OpenConfirmedWithAnotherFilterIsRememberedAsChanged)
{
    const std::string existing = tree.File("folders.dat");
    FileDialog dialog(1, kFilter, 1, ".dat");
    ASSERT_EQ(1, Run(dialog, ChooseTypeThenConfirm(1, existing)));
    EXPECT_EQ(1, dialog.Changed());
    EXPECT_EQ(2, dialog.FilterIndex());

    ASSERT_EQ(1, Run(dialog, TypeAndConfirm(existing)));
    EXPECT_EQ(1, dialog.Changed());
    EXPECT_EQ(2, dialog.FilterIndex());
}
