#include "form/QtSeams.h"
#include "form/WidgetMessages.h"
#include "form/frmMain.h"
#include "sources/Drives.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnwick"));

    tarnwick::WidgetMessages messages;
    tarnwick::QtDialogs dialogs;
    tarnwick::DesktopShell shell;
    tarnwick::StorageDrives drives;
    tarnwick::frmMain window({messages, dialogs, shell, drives},
                             QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
    messages.setOwner(&window);
    dialogs.setOwner(&window);
    window.show();
    return app.exec();
}
