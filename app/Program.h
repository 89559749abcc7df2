// The program's one object of each kind, alive from start to exit, and its start-up.
#pragma once

#include <windows.h>

class AboutBox;
class ButtonBar;
class FolderCollector;
class MainFrame;
class ProgressWindow;
class StatusBar;
class Workspace;

extern ButtonBar buttonBar;
extern StatusBar statusBar;
extern ProgressWindow progressWindow;
extern AboutBox aboutBox;
extern FolderCollector folderCollector;
extern Workspace workspace;
extern MainFrame mainFrame;

// Creates and shows the main window with its bands; 0 when any of it could not be made.
int StartProgram(HINSTANCE instance, int showCommand);

// Starts the program and runs it until it ends; the exit code.
int RunProgram(HINSTANCE instance, int showCommand);
