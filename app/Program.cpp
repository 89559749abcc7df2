// The program's one object of each kind, alive from start to exit, and its start-up.
#include "app/Program.h"

#include "app/MainFrame.h"
#include "app/Resource.h"
#include "app/Workspace.h"
#include "index/FolderCollector.h"
#include "ui/AboutBox.h"
#include "ui/ButtonBar.h"
#include "ui/Module.h"
#include "ui/ProgressWindow.h"
#include "ui/StatusBar.h"

ButtonBar buttonBar;
AboutBox aboutBox;
StatusBar statusBar;
ProgressWindow progressWindow;
Workspace workspace;
MainFrame mainFrame;
FolderCollector folderCollector;

int StartProgram(HINSTANCE instance, int showCommand)
{
    SetModuleInstance(instance);
    buttonBar.SetCapacity(5);
    statusBar.SetPartCount(2);
    statusBar.AddPart(80, 0);
    statusBar.AddPart(24, 0);
    if (!mainFrame.CreateFrame(&workspace, &buttonBar, &statusBar)) {
        return 0;
    }
    mainFrame.ShowFrame(showCommand);
    mainFrame.LoadAcceleratorTable(IDR_ACCELERATORS);
    return 1;
}

int RunProgram(HINSTANCE instance, int showCommand)
{
    if (!StartProgram(instance, showCommand)) {
        return 0;
    }
    return mainFrame.RunMessageLoop();
}
