#include "job/EncoderCommand.h"

#include "base/Text.h"

#include <QDir>

namespace tarnwick {

QString encoderPath(const QString& programFolder)
{
    const QChar sep = QDir::separator();
    return programFolder + sep + QStringLiteral("data") + sep + kEncoderName;
}

ConsoleCommand probeCommand(const QString& programFolder, const QString& sourcePath)
{
    return ConsoleCommand::Builder(encoderPath(programFolder))
        .blank()
        .argument(QStringLiteral("-i"))
        .blank()
        .quoted(sourcePath)
        .build();
}

} // namespace tarnwick
