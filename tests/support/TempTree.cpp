// A directory tree made by a test under the temporary folder and removed afterwards.
#include "support/TempTree.h"

#include <windows.h>

namespace {
int counter = 0;
}

TempTree::TempTree()
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    root_ = std::string(temp) + "vt" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++counter) + "\\";
    RemoveTree(root_);
    CreateDirectoryA(root_.c_str(), nullptr);
}

TempTree::~TempTree() { RemoveTree(root_); }

std::string TempTree::Folder(const std::string& relative)
{
    std::string path = root_;
    size_t start = 0;
    while (start <= relative.size()) {
        size_t end = relative.find('\\', start);
        if (end == std::string::npos) {
            end = relative.size();
        }
        path += relative.substr(start, end - start);
        CreateDirectoryA(path.c_str(), nullptr);
        path += "\\";
        start = end + 1;
    }
    return path.substr(0, path.size() - 1);
}

std::string TempTree::File(const std::string& relative)
{
    const std::string path = root_ + relative;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
    }
    return path;
}

void RemoveTree(const std::string& path)
{
    std::string folder = path;
    if (!folder.empty() && folder.back() == '\\') {
        folder.pop_back();
    }
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return;
    }
    SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL | (attributes & FILE_ATTRIBUTE_DIRECTORY));
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileA(folder.c_str());
        return;
    }
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        WIN32_FIND_DATAA entry;
        HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = entry.cFileName;
                if (name != "." && name != "..") {
                    RemoveTree(folder + "\\" + name);
                }
            } while (FindNextFileA(search, &entry));
            FindClose(search);
        }
    }
    RemoveDirectoryA(folder.c_str());
}
