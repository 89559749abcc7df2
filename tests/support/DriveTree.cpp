// Folder trees made by a test on a fixed drive of the test prefix (D:, Z:), emptied afterwards.
#include "support/DriveTree.h"

#include <windows.h>

#include "support/TempTree.h"

DriveTree::DriveTree(char letter) : root_(std::string(1, letter) + ":\\")
{
    Empty();
}

DriveTree::~DriveTree()
{
    Empty();
}

void DriveTree::Empty() { EmptyDrive(root_[0]); }

void EmptyDrive(char letter)
{
    const std::string root = std::string(1, letter) + ":\\";
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((root + "*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const std::string name = entry.cFileName;
        if (name != "." && name != "..") {
            RemoveTree(root + name);
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
}

std::string DriveTree::Folder(const std::string& relative)
{
    std::string path = root_;
    size_t start = 0;
    for (;;) {
        const size_t end = relative.find('\\', start);
        path += relative.substr(start, end == std::string::npos ? std::string::npos : end - start);
        CreateDirectoryA(path.c_str(), nullptr);
        if (end == std::string::npos) {
            return path;
        }
        path += '\\';
        start = end + 1;
    }
}

std::string DriveTree::File(const std::string& relative)
{
    const std::string path = root_ + relative;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
    }
    return path;
}
