#include "core/SignalExit.h"
#include "form/QtSeams.h"
#include "form/WidgetMessages.h"
#include "form/frmMain.h"
#include "seams/Drives.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnwick"));

    // One copy at a time; a second one ends at once, silently. The lock
    // holds the owner's process id, so a crashed copy leaves no stale lock.
    QString lockFolder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (lockFolder.isEmpty())
        lockFolder = QDir::tempPath();
    QLockFile lock(lockFolder + QStringLiteral("/tarnwick.lock"));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0))
        return 0;

    tarnwick::WidgetMessages messages;
    tarnwick::QtDialogs dialogs;
    tarnwick::DesktopShell shell;
    tarnwick::StorageDrives drives;
    tarnwick::frmMain window({messages, dialogs, shell, drives},
                             QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
    messages.setOwner(&window);
    dialogs.setOwner(&window);
    // A logout, systemctl stop or a closed terminal ends the program as Exit
    // does: the settings written, a running encoder stopped and its
    // unfinished output removed, the temporary folder deleted.
    tarnwick::SignalExit interrupt;
    window.closeOnTermination(interrupt);
    window.show();
    QTimer::singleShot(0, &window, [&window] { window.session().offerInterruptedBatch(); });
    return app.exec();
}
