#include "process/SignalExit.h"
#include "language/Translations.h"
#include "desktop/HandOver.h"
#include "form/QtSeams.h"
#include "form/ReadingDirection.h"
#include "form/WidgetMessages.h"
#include "form/frmMain.h"
#include "platform/Drives.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnwick"));
    tarnwick::Translations translations;
    tarnwick::followLanguage(translations.load(
        tarnwick::Translations::wantedLanguages(QLocale::system()),
        tarnwick::Translations::folderOf(QCoreApplication::applicationDirPath())));
    // Files and folders it is started with ("Open With", tarnwick %F).
    QStringList given;
    for (const QString& argument : QCoreApplication::arguments().mid(1))
        given << QFileInfo(argument).absoluteFilePath();

    // One copy at a time. A second one with files hands them to the running
    // copy and ends; without files it ends at once, silently. The lock holds
    // the owner's process id, so a crashed copy leaves no stale lock.
    QString lockFolder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (lockFolder.isEmpty())
        lockFolder = QDir::tempPath();
    const QString socket = lockFolder + QStringLiteral("/tarnwick.socket");
    QLockFile lock(lockFolder + QStringLiteral("/tarnwick.lock"));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0)) {
        // The running copy may be starting still: wait for it to listen
        // rather than drop the files.
        if (!given.isEmpty() && !tarnwick::HandOver::send(socket, given, 20000)) {
            qWarning("%s", qPrintable(QCoreApplication::translate(
                               "main", "Tarnwick is running but did not take the files: %1")
                               .arg(given.join(QStringLiteral(", ")))));
            return 1;
        }
        return 0;
    }
    // A logout, systemctl stop or a closed terminal ends the program as Exit
    // does: the settings written, a running encoder stopped and its
    // unfinished output removed, the temporary folder deleted. Caught from
    // here on, so that one that comes while the window is being made waits
    // for it rather than killing the program.
    tarnwick::SignalExit interrupt;

    tarnwick::WidgetMessages messages;
    tarnwick::QtDialogs dialogs;
    tarnwick::DesktopShell shell;
    tarnwick::StorageDrives drives;
    tarnwick::frmMain window({messages, dialogs, shell, drives},
                             QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
    messages.setOwner(&window);
    dialogs.setOwner(&window);
    tarnwick::HandOver handOver(socket);
    window.takeHandOvers(handOver);
    handOver.listen();
    window.closeOnTermination(interrupt);
    window.show();
    QTimer::singleShot(0, &window, [&window, given] { window.startWith(given); });
    return app.exec();
}
