#include "process/ProcessList.h"

#include <QDir>
#include <QFile>

#ifdef Q_OS_WIN
#include <windows.h>
#include <tlhelp32.h>
#endif

namespace tarnwick {

#if defined(Q_OS_WIN)

bool runningProcessNamed(const QString& executableName)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    bool found = false;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (QString::fromWCharArray(entry.szExeFile).compare(executableName, Qt::CaseInsensitive) == 0)
            found = true;
    }
    CloseHandle(snapshot);
    return found;
}

#elif defined(Q_OS_LINUX)

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

#else

bool runningProcessNamed(const QString&)
{
    return false;
}

#endif

} // namespace tarnwick
