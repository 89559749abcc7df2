// The folder index as a document: loaded from the data file at start, saved on request.
#include "app/MainFrame.h"
#include "app/Program.h"
#include "app/Resource.h"
#include "app/Workspace.h"
#include "dialogs/FileDialog.h"
#include "index/IndexFile.h"
#include "settings/Settings.h"
#include "ui/ButtonBar.h"

namespace {
const char kDataFileFilter[] = "Vantorelle data file (*.dat)\0*.dat\0";
}

int Workspace::LoadIndex()
{
    FolderIndex& index = folderCollector.Index();
    if (!dataFileName_[0] || LoadIndexFile(dataFileName_, index) == 0) {
        return 0;
    }
    SendMessageA(folderList_.Handle(), LB_SETCOUNT, static_cast<WPARAM>(index.Count()), 0);
    ShowIndexStatus();
    return 1;
}

// Asks for the data file's name; false when the user gave none. The dialog asks before it
// overwrites the name typed, but the ".dat" it then forces may name another file: replacing
// that one is asked here, and No is a cancel.
bool Workspace::ChooseDataFile()
{
    FileDialog dialog(0, kDataFileFilter, 1, ".dat");
    lstrcpyA(dataFileName_, "Vantorelle.dat");
    if (!dialog.Run(Handle(), dataFileName_, sizeof dataFileName_, nullptr)) {
        return false;
    }
    if (!dialog.NameChanged() || GetFileAttributesA(dataFileName_) == INVALID_FILE_ATTRIBUTES) {
        return true;
    }
    char question[sizeof dataFileName_ + 64];
    wsprintfA(question, "%s already exists.\nDo you want to replace it?", dataFileName_);
    return MessageBoxA(mainFrame.Handle(), question, "Vantorelle", MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

int Workspace::SaveIndex()
{
    // A scan in progress holds a partial, unsorted index; it is never written.
    if (scanning_) {
        return 0;
    }
    if (!modified_) {
        return 1;
    }
    if (!dataFileName_[0] && !ChooseDataFile()) {
        dataFileName_[0] = '\0';
        return 0;
    }
    switch (SaveIndexFile(dataFileName_, folderCollector.Index())) {
    case SaveResult::CannotOpen: mainFrame.Warn("Unable to open file", "Vantorelle"); break;
    case SaveResult::CannotWrite: mainFrame.Warn("Unable to write to file", "Vantorelle"); break;
    case SaveResult::Saved:
        WriteDocumentSettings(dataFileName_, scanDate_);
        modified_ = 0;
        buttonBar.EnableButton(IDM_SAVE, 0);
        break;
    }
    SetFocus(searchEdit_);
    return modified_ ? 0 : 1;
}
