// The registry key that holds the settings, opened for one operation at a time.
#include "settings/SettingsKey.h"

SettingsKey::~SettingsKey()
{
    Close();
}

int SettingsKey::OpenKey(const char* path, const char* subkey, HKEY root)
{
    Close();
    char* joined = nullptr;
    const char* name = path;
    if (subkey) {
        const int size = lstrlenA(path) + lstrlenA(subkey) + 4;
        joined = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, static_cast<SIZE_T>(size)));
        if (!joined) {
            return 0;
        }
        lstrcpyA(joined, path);
        lstrcatA(joined, "\\");
        lstrcatA(joined, subkey);
        name = joined;
    }
    const LONG result = RegCreateKeyExA(root, name, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
    if (joined) {
        HeapFree(GetProcessHeap(), 0, joined);
    }
    if (result != ERROR_SUCCESS) {
        key_ = nullptr;
        return 0;
    }
    return 1;
}

int SettingsKey::ReadDword(const char* name, DWORD* destination, DWORD defaultValue)
{
    DWORD type = REG_NONE;
    DWORD size = sizeof(DWORD);
    if (RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(destination), &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(DWORD)) {
        *destination = defaultValue;
        return 0;
    }
    return 1;
}

int SettingsKey::ReadString(const char* name, char* buffer, DWORD size, const char* defaultText)
{
    if (size == 0) {
        return 0;  // not even a terminator fits
    }
    DWORD length = size;
    const LONG result = RegQueryValueExA(key_, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &length);
    // The stored type is not checked, so the bytes need not end in a NUL: a REG_BINARY
    // value, or a REG_SZ set without its terminator. Shorter data is terminated here; data
    // that fills the whole buffer without a NUL is a text too long for it.
    if (result == ERROR_SUCCESS && length < size) {
        buffer[length] = '\0';
        return 1;
    }
    if (result == ERROR_SUCCESS && buffer[size - 1] == '\0') {
        return 1;
    }
    lstrcpynA(buffer, defaultText, static_cast<int>(size));
    return 0;
}

void SettingsKey::Close()
{
    if (key_) {
        RegCloseKey(key_);
        key_ = nullptr;
    }
}
