// The version the about box names against the version block of the program's resources.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "ui/AboutBox.h"

namespace {

// The version block of this test program, which links the program's resources. Under Wine
// a program started by its Linux path has a module file name without a drive ("unix\..."),
// which GetFileVersionInfoA cannot open, so the block is copied from the loaded resources,
// with room behind it for the ANSI texts VerQueryValueA makes there (as in the buffer that
// GetFileVersionInfoA fills).
std::vector<char> OwnVersionBlock()
{
    HRSRC resource = FindResourceA(nullptr, MAKEINTRESOURCEA(VS_VERSION_INFO), RT_VERSION);
    if (!resource) {
        return {};
    }
    const DWORD size = SizeofResource(nullptr, resource);
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, resource)));
    std::vector<char> block(2 * size + 4);
    std::copy(bytes, bytes + size, block.begin());
    return block;
}

std::string StringValue(std::vector<char>& block, const char* name)
{
    void* value = nullptr;
    UINT length = 0;
    const std::string key = std::string("\\StringFileInfo\\040904E4\\") + name;
    return VerQueryValueA(block.data(), key.c_str(), &value, &length) ? static_cast<const char*>(value) : "";
}

}  // namespace

TEST(Version, AboutTextNamesTheVersionOfTheVersionBlock)
{
    std::vector<char> block = OwnVersionBlock();
    ASSERT_FALSE(block.empty());
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));

    const std::string text = StringValue(block, "FileVersion");
    EXPECT_EQ(text, StringValue(block, "ProductVersion"));
    const std::string aboutLine(kAboutText, std::string(kAboutText).find('\n'));
    EXPECT_EQ("Vantorelle Version " + text, aboutLine);

    // A version "a.b" is a, b, 0, 0 in the numbers of the block.
    unsigned parts[4] = {};
    ASSERT_LE(2, std::sscanf(text.c_str(), "%u.%u.%u.%u", &parts[0], &parts[1], &parts[2], &parts[3]));
    EXPECT_EQ((parts[0] << 16 | parts[1]), fixed->dwFileVersionMS);
    EXPECT_EQ((parts[2] << 16 | parts[3]), fixed->dwFileVersionLS);
    EXPECT_EQ(fixed->dwFileVersionMS, fixed->dwProductVersionMS);
    EXPECT_EQ(fixed->dwFileVersionLS, fixed->dwProductVersionLS);
}
