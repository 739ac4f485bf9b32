#pragma once

#include "support/TestPaths.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

namespace tarnwick::test {

// One run of the built tarnwick-cli, as a script would run it.
struct Converted {
    int status = -1;
    QString output; // the file written, when one was
    QString said;
};

inline Converted convert(const QStringList& arguments)
{
    QProcess cli;
    cli.setStandardInputFile(QProcess::nullDevice());
    cli.start(realProgramFolder() + "/tarnwick-cli", arguments);
    cli.waitForFinished(300000);
    Converted result;
    result.status = cli.exitCode();
    result.said = QString::fromUtf8(cli.readAllStandardOutput() + cli.readAllStandardError());
    static const QRegularExpression converted(QStringLiteral("^converted .+ -> (.+)$"),
                                              QRegularExpression::MultilineOption);
    result.output = converted.match(result.said).captured(1);
    return result;
}

} // namespace tarnwick::test
