// The drive scan: every fixed drive from C: to Z: walked into the folder index, then sorted.
#include "app/MainFrame.h"
#include "app/Program.h"
#include "app/Resource.h"
#include "app/Workspace.h"
#include "index/ScanDate.h"
#include "ui/ButtonBar.h"
#include "ui/MessagePump.h"
#include "ui/ProgressWindow.h"
#include "ui/StatusBar.h"

int Workspace::ScanDrives()
{
    // The pump runs every queued command between two folders: a second scan would reset
    // the index and reuse the walker's buffers under the running walk.
    if (scanning_) {
        return 1;
    }
    scanning_ = 1;
    char notice[] = "Scanning drive x:";
    char root[] = "X:\\";
    FolderIndex& index = folderCollector.Index();
    HWND list = folderList_.Handle();
    if (!index.Reset(10000)) {
        // The index is empty now: it must never be saved over the data file.
        SendMessageA(list, LB_SETCOUNT, 0, 0);
        ShowIndexStatus();
        modified_ = 0;
        buttonBar.EnableButton(IDM_SAVE, 0);
        mainFrame.Warn("Out of memory", "Vantorelle");
        scanning_ = 0;
        return 1;
    }
    folderCollector.SetObserver(this);
    shownListing_[0] = '\0';
    // The first folder of a scan shows its parent and lets the queue through at once.
    const DWORD start = GetTickCount();
    listingShownAt_ = start - kListingInterval;
    pumpedAt_ = start - kPumpInterval;
    const DWORD drives = GetLogicalDrives();
    for (int drive = 2; drive <= 25; ++drive) {  // A: and B: are never scanned
        root[0] = static_cast<char>('A' + drive);
        if (!(drives & (1u << drive)) || GetDriveTypeA(root) != DRIVE_FIXED) {
            continue;
        }
        notice[15] = root[0];
        progressWindow.Show(list, notice, 0);
        const int stopped = folderCollector.Walk(root, "*.*", FolderCollector::kDepthLimit, 0);
        progressWindow.Destroy();
        if (stopped) {
            break;
        }
    }
    progressWindow.Show(list, "Sorting...", 0);
    PumpMessages();
    index.Sort();
    StampScanDate();
    ShowIndexStatus();
    progressWindow.Destroy();
    SendMessageA(list, LB_SETCOUNT, static_cast<WPARAM>(index.Count()), 0);
    buttonBar.EnableButton(IDM_SAVE, 1);
    SetFocus(searchEdit_);
    modified_ = 1;
    scanning_ = 0;
    return 1;
}

void Workspace::ShowListing(const char* parentPath)
{
    // The status window repaints itself inside every change of its text, which costs some
    // milliseconds under Wine, as much as listing a few folders. The line follows the walk
    // at a pace a person can read, and never repeats a text.
    const DWORD now = GetTickCount();
    if (now - listingShownAt_ < kListingInterval || lstrcmpA(shownListing_, parentPath) == 0) {
        return;
    }
    listingShownAt_ = now;
    lstrcpynA(shownListing_, parentPath, sizeof shownListing_);
    statusBar.SetStatusText(0, parentPath);
}

int Workspace::KeepResponsive()
{
    // A look at the queue costs tens of microseconds under Wine even when it is empty, a
    // sizeable share of listing a folder; reading the tick count costs nanoseconds. Input
    // waits at most one interval and the listing of one folder. On this one thread only
    // what a pump dispatches can post WM_QUIT, so the same pump reports it to the walk.
    const DWORD now = GetTickCount();
    if (now - pumpedAt_ < kPumpInterval) {
        return 0;
    }
    pumpedAt_ = now;
    return PumpMessages();
}

void Workspace::ReportOutOfMemory()
{
    progressWindow.Destroy();
    mainFrame.Warn("Out of memory", "Vantorelle");
}

void Workspace::StampScanDate()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    FormatScanDate(now, scanDate_);
}

void Workspace::ShowIndexStatus()
{
    char text[40];
    wsprintfA(text, "Last scanned: %s", scanDate_);
    statusBar.SetStatusText(0, text);
    wsprintfA(text, "\tTotal folders:  %u", static_cast<unsigned>(folderCollector.Index().Count()));
    statusBar.SetStatusText(1, text);
}
