// The main window's client: the search box, the folder list and the document state.
#pragma once

#include "index/FolderCollector.h"
#include "settings/Settings.h"
#include "ui/FolderListBox.h"
#include "ui/WindowObject.h"

class Workspace : public WindowObject, private ScanObserver {
public:
    Workspace();

    int Create(HWND parent, HMENU menuOrId, const char* title, int x, int y, int width, int height) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    int RegisterWindowClass() override;

    // Commands.
    int ScanDrives();
    // 1 when the index is saved afterwards (or had nothing to save), 0 when it is not.
    int SaveIndex();
    void ShowAbout();
    // Opens the selected folder in the shell: -1 when nothing is selected.
    INT_PTR OpenSelectedFolder();

    // Parts of the document's life that run on their own occasions.
    int LoadIndex();
    void ReadSettings();
    void FindPrefix();
    void StampScanDate();
    void ShowIndexStatus();

    int Modified() const { return modified_; }
    int Scanning() const { return scanning_; }
    HWND SearchEdit() const { return searchEdit_; }
    HWND FolderList() const { return folderList_.Handle(); }
    const char* DataFileName() const { return dataFileName_; }
    const char* ScanDate() const { return scanDate_; }
    int LineHeight() const { return lineHeight_; }
    int VisibleRows() const { return visibleRows_; }
    int SearchTop() const { return searchTop_; }

private:
    int OnCreateWorkspace();
    bool ChooseDataFile();
    void OnSizeWorkspace(int width, int height);
    void PaintBand();
    void DrawRow(const DRAWITEMSTRUCT& item);
    void OnListNotification(int code);

    // While a scan walks the drives.
    void ShowListing(const char* parentPath) override;
    int KeepResponsive() override;
    void ReportOutOfMemory() override;

    int modified_ = 0;
    int lineHeight_ = 0;
    int visibleRows_ = 0;
    char dataFileName_[MAX_PATH] = {};
    char openPath_[MAX_PATH] = {};
    char scanDate_[kScanDateSize] = {};
    HWND searchEdit_ = nullptr;
    FolderListBox folderList_;
    int searchTop_ = 0;
    int scanning_ = 0;
    static constexpr DWORD kListingInterval = 250;  // milliseconds: four texts a second
    static constexpr DWORD kPumpInterval = 20;      // milliseconds between looks at the queue
    char shownListing_[MAX_PATH] = {};              // the folder last shown as being listed
    DWORD listingShownAt_ = 0;
    DWORD pumpedAt_ = 0;
};
