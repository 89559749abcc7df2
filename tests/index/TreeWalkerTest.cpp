// The tree walker on real directory trees: callback order, depth, skipping and aborts.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "index/ReparsePoint.h"
#include "index/TreeWalker.h"
#include "support/TempTree.h"

namespace {

// Records every callback as one line, with the path and depth the walker holds then.
class RecordingWalker : public TreeWalker {
public:
    std::vector<std::string> events;
    std::string root;
    int abortOnSubfolder = 0;  // nonzero: the n-th subfolder stops the walk

protected:
    void OnLeaveFolder() override { events.push_back("leave " + Here()); }
    int OnFile(const WIN32_FIND_DATAA& entry) override
    {
        events.push_back("file " + Here() + entry.cFileName);
        return 0;
    }
    int OnEnterFolder(const WIN32_FIND_DATAA& entry) override
    {
        events.push_back("enter " + Here() + " " + entry.cFileName);
        return 0;
    }
    int OnSubfolder(const WIN32_FIND_DATAA& entry) override
    {
        events.push_back("sub " + Here() + entry.cFileName);
        return abortOnSubfolder && ++subfolders_ == abortOnSubfolder;
    }

private:
    std::string Here() const { return std::to_string(Depth()) + ":" + std::string(Path()).substr(root.size()); }
    int subfolders_ = 0;
};

class TreeWalkerTest : public ::testing::Test {
protected:
    int Walk(int limit, int includeSystem = 0, const char* pattern = "*.*")
    {
        walker.root = tree.Root();
        return walker.Walk(tree.Root().c_str(), pattern, limit, includeSystem);
    }
    std::vector<std::string> Subfolders() const
    {
        std::vector<std::string> found;
        for (const auto& event : walker.events) {
            if (event.rfind("sub ", 0) == 0) {
                found.push_back(event.substr(4));
            }
        }
        return found;
    }

    TempTree tree;
    RecordingWalker walker;
};

using Events = std::vector<std::string>;

}  // namespace

TEST_F(TreeWalkerTest, DepthLimitZeroListsOnlyTheRootsFiles)
{
    tree.Folder("A");
    tree.File("one.txt");
    EXPECT_EQ(0, Walk(0));
    EXPECT_EQ((Events{"enter 0: ", "file 0:one.txt"}), walker.events);
}

TEST_F(TreeWalkerTest, RootWithoutSubfoldersReportsItsFilesAndNeverLeaves)
{
    tree.File("a.txt");
    tree.File("b");
    EXPECT_EQ(0, Walk(16));
    ASSERT_EQ(3u, walker.events.size());
    EXPECT_EQ("enter 0: ", walker.events[0]);
    EXPECT_EQ(0, Walk(16, 0, "*.txt"));
}

TEST_F(TreeWalkerTest, EventsComeInDepthFirstPreOrderWithFilesFirst)
{
    tree.Folder("A\\B");
    tree.File("A\\a.txt");
    tree.File("A\\B\\b.txt");
    tree.File("root.txt");
    EXPECT_EQ(0, Walk(16));
    EXPECT_EQ((Events{
                  "enter 0: ",
                  "file 0:root.txt",
                  "sub 0:A",
                  "enter 1:A\\ A",
                  "file 1:A\\a.txt",
                  "sub 1:A\\B",
                  "enter 2:A\\B\\ B",
                  "file 2:A\\B\\b.txt",
                  "leave 1:A\\",
                  "leave 0:",
              }),
              walker.events);
}

TEST_F(TreeWalkerTest, SiblingsAreWalkedOneSubtreeAfterTheOther)
{
    tree.Folder("A\\A1");
    tree.Folder("B");
    EXPECT_EQ(0, Walk(16));
    // Wine lists a folder in name order; each subtree ends before the next sibling.
    EXPECT_EQ((Events{"enter 0: ", "sub 0:A", "enter 1:A\\ A", "sub 1:A\\A1", "enter 2:A\\A1\\ A1",
                      "leave 1:A\\", "leave 0:", "sub 0:B", "enter 1:B\\ B", "leave 0:"}),
              walker.events);
}

TEST_F(TreeWalkerTest, DotFoldersAreSkippedButDotFilesAreListed)
{
    tree.Folder(".git\\objects");
    tree.Folder(".cache");
    tree.File(".profile");
    EXPECT_EQ(0, Walk(16));
    EXPECT_EQ((Events{"enter 0: ", "file 0:.profile"}), walker.events);
}

TEST_F(TreeWalkerTest, SystemFoldersAreSkippedWithTheirSubtreeUnlessIncluded)
{
    const std::string system = tree.Folder("Sys\\Inner");
    tree.Folder("Plain");
    ASSERT_TRUE(SetFileAttributesA(tree.Folder("Sys").c_str(), FILE_ATTRIBUTE_SYSTEM));
    EXPECT_EQ(0, Walk(16));
    EXPECT_EQ((Events{"0:Plain"}), Subfolders());

    walker.events.clear();
    EXPECT_EQ(0, Walk(16, 1));
    EXPECT_EQ((Events{"0:Plain", "0:Sys", "1:Sys\\Inner"}), Subfolders());
}

TEST_F(TreeWalkerTest, HiddenFoldersAreWalked)
{
    tree.Folder("Hidden\\Inner");
    ASSERT_TRUE(SetFileAttributesA(tree.Folder("Hidden").c_str(), FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(0, Walk(16));
    EXPECT_EQ((Events{"0:Hidden", "1:Hidden\\Inner"}), Subfolders());
}

TEST_F(TreeWalkerTest, AbortOnTheThirdSubfolderEndsTheWalkWithoutEnteringIt)
{
    for (const char* name : {"A", "B", "C", "D"}) {
        tree.Folder(name);
    }
    walker.abortOnSubfolder = 3;
    EXPECT_EQ(1, Walk(16));
    EXPECT_EQ("sub 0:C", walker.events.back());
    EXPECT_EQ((Events{"0:A", "0:B", "0:C"}), Subfolders());
}

TEST_F(TreeWalkerTest, LimitTwoReportsTwoLevelsAndListsTheFilesOfTheLast)
{
    tree.Folder("A\\B\\C");
    tree.File("A\\B\\b.txt");
    EXPECT_EQ(0, Walk(2));
    EXPECT_EQ((Events{"0:A", "1:A\\B"}), Subfolders());
    EXPECT_NE(walker.events.end(), std::find(walker.events.begin(), walker.events.end(), "file 2:A\\B\\b.txt"));
}

TEST_F(TreeWalkerTest, SubfoldersWhosePathWouldNotFitAreSkippedWithoutDamage)
{
    // Build a chain whose last link would make the path with its backslash 261 bytes.
    std::string relative;
    const int rootLength = static_cast<int>(tree.Root().size());
    while (rootLength + static_cast<int>(relative.size()) + 50 + 2 < 250) {
        relative += std::string(49, 'x') + "\\";
    }
    const int room = 260 - rootLength - static_cast<int>(relative.size());  // bytes left with NUL
    const std::string fits = relative + std::string(room - 2, 'f');           // + backslash + NUL
    const std::string tooLong = relative + std::string(room - 1, 'g');
    ASSERT_FALSE(tree.Folder(fits).empty());
    tree.Folder(tooLong);
    if (GetFileAttributesA((tree.Root() + tooLong).c_str()) == INVALID_FILE_ATTRIBUTES) {
        GTEST_SKIP() << "the platform refuses paths this long";
    }
    EXPECT_EQ(0, Walk(64));
    const auto found = Subfolders();
    bool sawFits = false;
    for (const auto& path : found) {
        EXPECT_EQ(std::string::npos, path.find('g')) << "a path too long was reported";
        sawFits = sawFits || path.find(std::string(room - 2, 'f')) != std::string::npos;
    }
    EXPECT_TRUE(sawFits);
}

TEST_F(TreeWalkerTest, RootsLongerThanThePathBufferAreNotWalked)
{
    const std::string root(300, 'r');
    EXPECT_EQ(0, walker.Walk((root + "\\").c_str(), "*.*", 16, 0));
    EXPECT_TRUE(walker.events.empty());
}

namespace {

// L:\root holds A\B, C\D and three links made on the Linux side: A\up points at root,
// A\sibling at C, and dangling at a folder that does not exist.
class LinkWalkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (GetFileAttributesA("L:\\root") == INVALID_FILE_ATTRIBUTES) {
            GTEST_SKIP() << "the test prefix has no L: drive with links";
        }
        walker.root = "L:\\root\\";
        ASSERT_EQ(0, walker.Walk("L:\\root\\", "*.*", 16, 0));
    }
    int Count(const std::string& event) const
    {
        return static_cast<int>(std::count(walker.events.begin(), walker.events.end(), event));
    }

    RecordingWalker walker;
};

}  // namespace

TEST_F(LinkWalkTest, ALinkToAnAncestorIsReportedOnceAndNotEntered)
{
    EXPECT_EQ(1, Count("sub 1:A\\up"));
    for (const auto& event : walker.events) {
        EXPECT_EQ(std::string::npos, event.find("up\\")) << event;
    }
}

TEST_F(LinkWalkTest, ALinkToASiblingIsReportedOnceAndNotEntered)
{
    EXPECT_EQ(1, Count("sub 1:A\\sibling"));
    EXPECT_EQ(0, Count("enter 2:A\\sibling\\ sibling"));
    EXPECT_EQ(1, Count("sub 1:C\\D")) << "the real folder is still walked";
}

TEST_F(LinkWalkTest, EverythingElseIsWalkedInTheUsualOrder)
{
    EXPECT_EQ((Events{"enter 0: ", "sub 0:A", "enter 1:A\\ A", "sub 1:A\\B", "enter 2:A\\B\\ B", "leave 1:A\\",
                      "sub 1:A\\sibling", "sub 1:A\\up", "leave 0:", "sub 0:C", "enter 1:C\\ C", "sub 1:C\\D",
                      "enter 2:C\\D\\ D", "leave 1:C\\", "leave 0:"}),
              walker.events);
}

TEST(ReparsePointTest, OnlyMicrosoftTagsThatAreNoNameSurrogatesAreEntered)
{
    constexpr DWORD kReparseFolder = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
    EXPECT_TRUE(IsLink(kReparseFolder, 0xA0000003)) << "junction";
    EXPECT_TRUE(IsLink(kReparseFolder, 0xA000000C)) << "symbolic link";
    EXPECT_FALSE(IsLink(kReparseFolder, 0x9000701A)) << "cloud-synced folder";
    EXPECT_FALSE(IsLink(kReparseFolder, 0x80000013)) << "deduplicated folder";
    EXPECT_TRUE(IsLink(kReparseFolder, 0x2)) << "not a Microsoft tag";
    EXPECT_TRUE(IsLink(kReparseFolder, 0)) << "no tag, as Wine leaves it";
    EXPECT_FALSE(IsLink(FILE_ATTRIBUTE_DIRECTORY, 0xA0000003)) << "a tag without a reparse point means nothing";
}

TEST_F(LinkWalkTest, ALinkToAMissingFolderIsNeverEntered)
{
    // Windows lists such a link with the reparse-point attribute, so it is reported and not
    // entered. Wine leaves a dangling Linux link out of the listing altogether.
    EXPECT_EQ(0, Count("enter 1:dangling\\ dangling"));
    EXPECT_LE(Count("sub 0:dangling"), 1);
}

TEST_F(TreeWalkerTest, APatternThatSelectsFilesWalksTheSameFoldersInTheSameOrder)
{
    tree.Folder("A\\B");
    tree.File("A\\a.txt");
    tree.File("A\\a.doc");
    tree.File("root.txt");
    EXPECT_EQ(0, Walk(16, 0, "*.txt"));
    EXPECT_EQ((Events{
                  "enter 0: ",
                  "file 0:root.txt",
                  "sub 0:A",
                  "enter 1:A\\ A",
                  "file 1:A\\a.txt",
                  "sub 1:A\\B",
                  "enter 2:A\\B\\ B",
                  "leave 1:A\\",
                  "leave 0:",
              }),
              walker.events);
}
