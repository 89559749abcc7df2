// The common open and save dialogs, forcing the default extension onto the chosen name.
#pragma once

#include <windows.h>

#include <commdlg.h>

class FileDialog {
public:
    // filter: pairs of zero-terminated strings (description, pattern) ended by an empty
    // string; filterIndex is 1-based; defaultExtension may start with '.' or be null. Both
    // texts are held by address and must outlive the object.
    FileDialog(int open, const char* filter, int filterIndex, const char* defaultExtension);
    virtual ~FileDialog() = default;

    // Shows the dialog on buffer (size bytes, pre-filled with the proposed name). 1 when the
    // user confirmed a name, which then ends in the default extension; 0 on cancel, on
    // failure, or when the name with the extension would not fit the buffer.
    int Run(HWND owner, char* buffer, int size, const char* initialDir);

    // Cuts a final extension of the last path component off, in place.
    static void StripExtension(char* path);

    // 1 when the last confirmed name had another extension or none, so that forcing the
    // default one gave a name the dialog did not ask about overwriting.
    int NameChanged() const { return nameChanged_; }
    int FilterIndex() const { return filterIndex_; }
    int ReadOnly() const { return readOnly_; }
    // 1 once an open dialog returned a filter index or read-only state other than the stored ones.
    int Changed() const { return changed_; }

protected:
    // Called with the filled request just before the system dialog is shown.
    virtual void Customize(OPENFILENAMEA* /*request*/) {}

private:
    int readOnly_ = 0;
    int changed_ = 0;
    int nameChanged_ = 0;
    int open_;
    DWORD flags_;
    int fileTitleSize_ = 0;
    int filterIndex_;
    char* fileTitle_ = nullptr;
    const char* filter_;
    const char* defaultExtension_;
    const char* title_ = "";
};
