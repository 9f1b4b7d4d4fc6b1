// The process entry: the real desktop behind the seams, the start-up
// sequence, then the menu; the process lives while a window is open.
#include "app/context.h"
#include "platform/system_seams.h"
#include "platform/widgets/desktop_seams.h"
#include "startup/start_up.h"
#include "ui/menu/frm_menu.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);

    platform::MessageBoxDialogs dialogs;
    platform::DesktopShell shell;
    platform::SdlSoundPlayer sound;
    platform::WaitCursor busy;
    platform::ExitProcess processEnd;
    platform::SystemClock clock;
    ctx().desktop = {&dialogs, &shell, &sound, &busy, &processEnd, &clock};
    SetExeFolder(QCoreApplication::applicationDirPath());

    RunStartUp(InstalledLibraries());

    FrmMenu menu;
    menu.start();
    return QApplication::exec();
}
