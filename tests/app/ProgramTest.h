// The base of the application's tests: the program started on empty settings and empty test
// drives, with the shell and the beep replaced by recorders, and what the tests read back.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/DriveTree.h"

// Writes a data file holding one record per path (own name after the last backslash).
void WriteDataFile(const std::string& file, const std::vector<std::string>& paths);
// The paths of a data file's records, in file order; the file's size must be whole records.
std::vector<std::string> DataFilePaths(const std::string& file);
// The file's size in bytes, -1 when it is not there.
long long FileSize(const std::string& file);
FILETIME LastWriteTime(const std::string& file);

class ProgramTest : public ::testing::Test {
public:
    // Paths handed to the shell's "open", and the beeps of missed searches.
    static std::vector<std::string> opened;
    static int beeps;

protected:
    // Settings deleted, D: and Z: emptied (by the trees), recorders in place; not started.
    void SetUp() override;
    void TearDown() override;

    // The program's start-up as the entry point runs it, without the message loop.
    bool Start();
    // Starts with "Data file" naming file, which holds a record for each path.
    bool StartWithDataFile(const std::string& file, const std::vector<std::string>& paths);

    // A command as its button or accelerator delivers it to the main window.
    void Command(int id);
    void Scan();
    // "Sa&ve" while a user answers the save dialog; the name the dialog proposed.
    std::string SaveThroughDialog(const std::function<void(HWND dialog)>& answer);
    // Answers of the save dialog: type a name and press Save, or cancel.
    static std::function<void(HWND)> SaveAs(const std::string& file);
    static std::function<void(HWND)> CancelDialog();

    std::string StatusText(int part);
    bool ButtonEnabled(int id);
    int Selection();
    int ListCount();
    // The index's paths, in index order.
    std::vector<std::string> IndexPaths();

    DriveTree d{'D'};
    DriveTree z{'Z'};
};
