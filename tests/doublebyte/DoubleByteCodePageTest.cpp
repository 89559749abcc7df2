// The folder index where the ANSI API speaks code page 932, whose second bytes include the
// backslash's: names are walked whole.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "index/TreeWalker.h"
#include "support/TempTree.h"

namespace {

// 一覧表 in code page 932: it ends with the byte 0x5C.
const std::string kList = "\x88\xea\x97\x97\x95\x5c";

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
            RemoveDirectoryA(path->c_str());
        }
    }
    void Make(const std::string& relative)
    {
        made_.push_back(tree.Root() + relative);
        EXPECT_TRUE(CreateDirectoryA(made_.back().c_str(), nullptr)) << GetLastError();
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
