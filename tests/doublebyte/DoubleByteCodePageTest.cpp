// The folder index where the ANSI API speaks code page 932, whose second bytes include the
// backslash's: names are walked, saved and loaded whole.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "index/FolderIndex.h"
#include "index/IndexFile.h"
#include "index/TreeWalker.h"
#include "support/TempTree.h"

namespace {

// 一覧表 and 表 in code page 932: both end with the byte 0x5C.
const std::string kList = "\x88\xea\x97\x97\x95\x5c";
const std::string kTable = "\x95\x5c";

// Records the path the walker holds at every folder it enters.
class EnteringWalker : public TreeWalker {
public:
    std::vector<std::string> entered;

protected:
    int OnEnterFolder(const WIN32_FIND_DATAA& /*entry*/) override
    {
        entered.push_back(Path());
        return 0;
    }
};

class DoubleByteCodePageTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(GetACP(), 932u) << "the test program's manifest asks for code page 932"; }
    void TearDown() override
    {
        // The tree's own removal would cut these names at their last byte: they go first.
        for (auto path = made_.rbegin(); path != made_.rend(); ++path) {
            if (!RemoveDirectoryA(path->c_str())) {
                DeleteFileA(path->c_str());
            }
        }
    }
    void Make(const std::string& relative)
    {
        made_.push_back(tree.Root() + relative);
        EXPECT_TRUE(CreateDirectoryA(made_.back().c_str(), nullptr)) << GetLastError();
    }
    std::string Remember(const std::string& relative)
    {
        made_.push_back(tree.Root() + relative);
        return made_.back();
    }

    TempTree tree;

private:
    std::vector<std::string> made_;
};

}  // namespace

TEST_F(DoubleByteCodePageTest, LeavingANameThatEndsInABackslashByteReturnsToItsRealParent)
{
    // The sibling's path with its backslash fills the path buffer to the last byte.
    const int room = TreeWalker::kPathSize - 2 - static_cast<int>(tree.Root().size());
    const std::string sibling = kList + std::string(room - kList.size(), 'x');
    Make(kList);
    Make(kList + "\\A");
    Make(sibling);

    EnteringWalker walker;
    ASSERT_EQ(walker.Walk(tree.Root().c_str(), "*.*", 16, 0), 0);
    std::vector<std::string> entered = walker.entered;
    std::sort(entered.begin(), entered.end());
    EXPECT_EQ(entered, (std::vector<std::string>{tree.Root(), tree.Root() + kList + "\\", tree.Root() + kList + "\\A\\",
                                                 tree.Root() + sibling + "\\"}));
}

TEST_F(DoubleByteCodePageTest, AnIndexOfSuchNamesIsSavedUnderSuchANameAndLoadsBackAsItWas)
{
    FolderIndex index;
    ASSERT_TRUE(index.Reset(10));
    index.Append("D:\\", kList.c_str());
    index.Append(("D:\\" + kList + "\\").c_str(), kTable.c_str());
    const std::string file = Remember(kTable + ".dat");
    ASSERT_EQ(SaveIndexFile(file.c_str(), index), SaveResult::Saved);

    // Paths that are not UTF-8 are this process's own code page here: nothing is converted.
    FolderIndex loaded;
    ASSERT_EQ(LoadIndexFile(file.c_str(), loaded), 2);
    EXPECT_EQ(memcmp(loaded.Records(), index.Records(), 2 * sizeof(FolderRecord)), 0);
    EXPECT_EQ(std::string(loaded.At(1)->OwnName()), kTable);
}
