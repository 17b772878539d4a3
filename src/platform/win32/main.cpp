// quibnote.exe: the program on the Windows desktop, with its data files in its own folder.

#include "app/Program.h"
#include "platform/win32/Win32Desktop.h"
#include "ui/App.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Real pixels, so that twips convert with the display's own resolution and pixel readings
    // of other windows are not scaled.
    SetProcessDPIAware();
    Win32Desktop desktop;
    App app(desktop);
    RunProgram(app);
    return 0;
}
