// The common open and save dialogs, forcing the default extension onto the chosen name.
#include "dialogs/FileDialog.h"

namespace {

// OFN_NOCHANGEDIR: the dialogs would otherwise leave the process standing in the folder
// chosen last, which then cannot be removed, nor its drive (a USB stick) ejected.
constexpr DWORD kOpenFlags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
constexpr DWORD kSaveFlags =
    OFN_NOREADONLYRETURN | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR;
static_assert(kSaveFlags == 0x880E, "save dialog flags");

// Length of path once StripExtension has run on it.
int StemLength(const char* path)
{
    const int length = lstrlenA(path);
    for (int i = length - 1; i >= 0; --i) {
        if (path[i] == '.') {
            return i;
        }
        if (path[i] == '\\' || path[i] == ':') {
            break;
        }
    }
    return length;
}

}  // namespace

FileDialog::FileDialog(int open, const char* filter, int filterIndex, const char* defaultExtension)
    : open_(open),
      flags_(open ? kOpenFlags : kSaveFlags),
      filterIndex_(filterIndex),
      filter_(filter),
      defaultExtension_(defaultExtension)
{
}

int FileDialog::Run(HWND owner, char* buffer, int size, const char* initialDir)
{
    const char* extension = defaultExtension_;
    if (extension && *extension == '.') {
        ++extension;
    }
    OPENFILENAMEA request = {};
    // The request without its three trailing fields (pvReserved, dwReserved, FlagsEx): 76
    // bytes on 32-bit Windows. On Win64 the pointers are wider and the same layout measures
    // 136 bytes, so the platform's constant for it is used rather than the number.
    request.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    request.hwndOwner = owner;
    request.hInstance = GetModuleHandleA(nullptr);
    request.lpstrFilter = filter_;
    request.nFilterIndex = static_cast<DWORD>(filterIndex_);
    request.lpstrFile = buffer;
    request.nMaxFile = static_cast<DWORD>(size);
    request.lpstrFileTitle = fileTitle_;
    request.nMaxFileTitle = static_cast<DWORD>(fileTitleSize_);
    request.lpstrInitialDir = initialDir;
    request.lpstrTitle = title_;
    request.Flags = flags_;
    request.lpstrDefExt = extension;
    Customize(&request);
    nameChanged_ = 0;

    if (open_) {
        if (readOnly_ == 1) {
            request.Flags |= OFN_READONLY;
        }
        if (!GetOpenFileNameA(&request)) {
            return 0;
        }
    } else if (!GetSaveFileNameA(&request)) {
        return 0;
    }
    // The dialog keeps the name within the buffer, but swapping its extension can lengthen
    // it; such a name is refused like a cancel, before anything is remembered or written.
    if (extension && StemLength(buffer) + 1 + lstrlenA(extension) >= size) {
        return 0;
    }
    if (open_) {
        const int filterIndex = static_cast<int>(request.nFilterIndex);
        const int readOnly = (request.Flags & OFN_READONLY) ? 1 : 0;
        if (filterIndex != filterIndex_ || readOnly != readOnly_) {
            filterIndex_ = filterIndex;
            readOnly_ = readOnly;
            changed_ = 1;
        }
    }
    if (extension) {
        const int stem = StemLength(buffer);
        nameChanged_ = buffer[stem] != '.' || lstrcmpiA(buffer + stem + 1, extension) != 0;
        StripExtension(buffer);
        lstrcatA(buffer, ".");
        lstrcatA(buffer, extension);
    }
    return 1;
}

void FileDialog::StripExtension(char* path)
{
    const int stem = StemLength(path);
    if (path[stem] == '.') {
        path[stem] = '\0';
    }
}
