// Records of data files saved while the program spoke the system's code page, brought into UTF-8.
#include "index/LegacyRecords.h"

#include "index/CodePage.h"
#include "index/RecordCheck.h"

LegacyRecords::LegacyRecords()
{
    DWORD codePage = 0;
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                       reinterpret_cast<LPSTR>(&codePage), sizeof codePage)) {
        codePage_ = codePage;
        rules_ = CodePageRulesOf(codePage_);
    }
}

bool LegacyRecords::ToUtf8(FolderRecord& record) const
{
    // A locale with no ANSI code page of its own (0) never had legacy paths.
    if (codePage_ == 0 || codePage_ == CP_UTF8 || !IsSoundRecord(record, rules_)) {
        return false;
    }
    WCHAR wide[kPathSize];
    char path[kPathSize];
    if (!MultiByteToWideChar(codePage_, MB_ERR_INVALID_CHARS, record.path, -1, wide, kPathSize)) {
        return false;
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, path, kPathSize, nullptr, nullptr);
    if (size == 0) {
        return false;  // longer than the field in UTF-8
    }
    ZeroMemory(record.path, sizeof record.path);
    CopyMemory(record.path, path, static_cast<SIZE_T>(size));
    record.nameOffset = static_cast<uint32_t>(LastSeparator(path, size - 1, kUtf8Rules) + 1);
    return true;
}
