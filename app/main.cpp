// The program block: the application, the windows created once each in their fixed order (the
// main window first, since it loads the language every later window reads), the message loop.
// The other windows start hidden, so they are created once the main window is on the screen:
// the user sees it sooner and nothing can reach them before they exist.

#include "app/program/ProgramWindows.h"
#include "app/windows/UVelmaroFirmWare.h"
#include "platform/ui/Application.h"
#include "platform/ui/Bitmap.h"

#include <cstdlib>
#include <string>

namespace {

// VELMARO_SCREENSHOT=<file.bmp> paints the main window into that picture and ends the program,
// for the documentation's screenshot.
bool Write_Screenshot() {
    const char* target = std::getenv("VELMARO_SCREENSHOT");
    if (!target || !*target)
        return false;
    TForm* form = Application->MainForm();
    form->Show();
    Application->ProcessMessages();
    TBitmap shot(form->ClientWidth(), form->ClientHeight());
    form->PaintTo(shot.Canvas(), 0, 0);
    shot.SaveToFile(target);
    return true;
}

} // namespace

int main() {
    Application->Initialize();
    Application->SetMainFormOnTaskBar(true);
    Application->CreateForm(FVelmaroFirmWare);
    Application->AfterMainFormShown(Create_Other_Windows);
    if (!Write_Screenshot())
        Application->Run();
    // Free the windows while the platform still stands.
    Application->Finalize();
    return EXIT_SUCCESS;
}
