// The registry key that holds the settings, opened for one operation at a time.
#pragma once

#include <windows.h>

class SettingsKey {
public:
    SettingsKey() = default;
    ~SettingsKey();
    SettingsKey(const SettingsKey&) = delete;
    SettingsKey& operator=(const SettingsKey&) = delete;

    // Opens path (or path\subkey when a subkey is given) under root, creating every
    // missing key on the way. Nonzero when the key is open.
    int OpenKey(const char* path, const char* subkey, HKEY root);
    // Reads a value stored as a REG_DWORD into destination; when it is missing or stored as
    // anything else, the destination gets defaultValue and the result is 0.
    int ReadDword(const char* name, DWORD* destination, DWORD defaultValue);
    // Reads a text of at most size bytes, terminator included, into buffer; on any error,
    // or when the stored bytes leave no room for a terminator, defaultText is copied
    // instead and the result is 0. The buffer always ends up NUL-terminated.
    int ReadString(const char* name, char* buffer, DWORD size, const char* defaultText);
    void Close();

    HKEY Handle() const { return key_; }

private:
    HKEY key_ = nullptr;
};
