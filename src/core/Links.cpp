#include "core/Links.h"

#include <QProcess>
#include <QStandardPaths>

namespace tarnwick::links {

bool desktopOpensChm()
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (tool.isEmpty())
        return false;
    for (const QString& type : {QStringLiteral("application/vnd.ms-htmlhelp"), QStringLiteral("application/x-chm")}) {
        QProcess query;
        query.setStandardInputFile(QProcess::nullDevice());
        query.start(tool, {QStringLiteral("query"), QStringLiteral("default"), type});
        // A desktop that takes longer than this to answer is treated as having none.
        if (!query.waitForFinished(3000)) {
            query.kill();
            query.waitForFinished();
            continue;
        }
        if (query.exitCode() == 0 && !query.readAllStandardOutput().trimmed().isEmpty())
            return true;
    }
    return false;
}

} // namespace tarnwick::links
