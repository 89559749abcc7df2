// The drive scan through the real main window, against a bare two-pass walk of the same tree.
#include <windows.h>

#include <cstdio>
#include <string>

#include "BenchSupport.h"
#include "app/Program.h"
#include "app/Workspace.h"
#include "app/MainFrame.h"
#include "index/FolderCollector.h"

namespace {

// Lists every folder's files, then its subfolders, as the walker does; returns the folders.
int BareWalk(const std::string& folder, int depth)
{
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "*.*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        while (FindNextFileA(search, &entry)) {
        }
        FindClose(search);
    }
    int folders = 0;
    if (depth >= FolderCollector::kDepthLimit) {
        return 0;
    }
    search = FindFirstFileA((folder + "*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return 0;
    }
    do {
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && entry.cFileName[0] != '.' &&
            !(entry.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM)) {
            folders += 1 + BareWalk(folder + entry.cFileName + "\\", depth + 1);
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return folders;
}

double TimeBareWalk(const char* root, int* folders)
{
    const double start = Seconds();
    *folders = BareWalk(root, 0);
    return Seconds() - start;
}

}  // namespace

int main(int argc, char** argv)
{
    // The scan walks every fixed drive; the bench prefix has the tree on D: and Z: empty.
    const char* root = argc > 1 ? argv[1] : "D:\\";
    int folders = 0;
    TimeBareWalk(root, &folders);  // warms the cache, as a second scan would find it
    const double bare = TimeBareWalk(root, &folders);

    if (!StartProgram(GetModuleHandleA(nullptr), SW_SHOW)) {
        std::printf("the main window could not be made\n");
        return 1;
    }
    const double start = Seconds();
    workspace.ScanDrives();
    const double scan = Seconds() - start;
    const int found = folderCollector.Index().Count();
    std::printf("| scan of %d folders (%.0f folders/s) | %.3f s | %.3f s (bare two-pass walk, %d folders, %.0f "
                "folders/s) | %.2f |\n",
                found, found / scan, scan, bare, folders, folders / bare, scan / bare);
    DestroyWindow(mainFrame.Handle());
    return 0;
}
