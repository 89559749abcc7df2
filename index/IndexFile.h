// Reading and writing the data file: the record array itself, byte for byte, no header.
#pragma once

#include <windows.h>

#include "index/FolderIndex.h"

enum class SaveResult { Saved, CannotOpen, CannotWrite };

// The most one ReadFile or WriteFile moves; larger files are read and written in pieces.
// Tests pass a small stand-in.
constexpr DWORD kFilePieceBytes = 0x40000000;

// Loads the whole records of the file into the index (an incomplete last record is left
// out) and drops every record that is not sound, so nothing later reads outside a record.
// Where the process speaks UTF-8, a record saved in the user's legacy code page is kept in
// UTF-8 when it still fits. Returns the number of records loaded; 0 for a missing,
// unreadable or empty file.
int LoadIndexFile(const char* path, FolderIndex& index, DWORD pieceBytes = kFilePieceBytes);

// Writes the records to a new file beside path, flushes it and replaces path with it only
// when every byte was written, so a failed save leaves the previous file as it was. When
// no file can be made beside path, path itself is written in place.
SaveResult SaveIndexFile(const char* path, const FolderIndex& index, DWORD pieceBytes = kFilePieceBytes);
