#include "process/ProcessList.h"

#include <QDir>
#include <QFile>

namespace tarnwick {

// /proc/<pid>/comm holds the base name of the file the process was started
// from (cut at 15 bytes by the kernel), which is what a link named conv.exe gives.
bool runningProcessNamed(const QString& executableName)
{
    const QString wanted = executableName.left(15);
    if (wanted.isEmpty())
        return false;
    const QDir proc(QStringLiteral("/proc"));
    const QStringList entries = proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& pid : entries) {
        if (pid.isEmpty() || !pid.at(0).isDigit())
            continue;
        QFile comm(proc.filePath(pid) + QStringLiteral("/comm"));
        if (!comm.open(QIODevice::ReadOnly))
            continue; // the process ended while we looked
        const QString name = QString::fromLocal8Bit(comm.readAll()).trimmed();
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace tarnwick
