// Resource ids, command ids and the program's private messages.
#pragma once

#define IDI_VANTORELLE 103
#define IDR_ACCELERATORS 101

#define IDM_SCAN_DRIVES 40001
#define IDM_SAVE 40002
#define IDM_ABOUT 40003
#define IDM_EXIT 40004
#define IDM_VIEW_FILES 40005

#define IDC_SEARCH_EDIT 2001

// Posted by the search edit to the workspace after every typed character.
#define WM_SEARCH (WM_USER)
