#pragma once

#include <QDir>
#include <QFile>
#include <QString>

namespace tarnwick::test {

// Whether any process still runs with the text in its command line: an
// encoder is known by the output folder it writes into.
inline bool processMentioning(const QString& text)
{
    const QByteArray needle = text.toUtf8();
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
        QFile cmdline("/proc/" + pid + "/cmdline");
        if (cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().contains(needle))
            return true;
    }
    return false;
}

} // namespace tarnwick::test
