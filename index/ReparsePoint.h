// Which folders with a reparse point the walker records but does not enter.
#pragma once

#include <windows.h>

// True for a folder that is a link: a reparse point whose tag is a name surrogate (a junction
// or a symbolic link, which may lead back to an ancestor) or not one of Microsoft's own tags,
// which the walker cannot trust. Other reparse points (cloud-synced, deduplicated and
// container folders) hold their own contents and are walked; so is every folder without one.
bool IsLink(DWORD attributes, DWORD reparseTag);
