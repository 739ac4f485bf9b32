#include "engine/EncoderOutput.h"

#include "engine/TemporaryFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

#include <atomic>

namespace tarnwick {

namespace {

// "[wmav2 @ 0x55d0c0a0] too many channels" reads "wmav2: too many channels":
// the address means nothing to a user.
QString withoutContext(const QString& line)
{
    static const QRegularExpression context(QStringLiteral("^\\[([^\\] @]{1,64}) @ 0x[0-9a-fA-F]{1,16}\\] "));
    const QRegularExpressionMatch m = context.match(line);
    return m.hasMatch() ? m.captured(1) + QStringLiteral(": ") + line.mid(m.capturedLength()) : line;
}

} // namespace

QString tellingLine(const QString& output)
{
    static const QRegularExpression lineEnds(QStringLiteral("[\r\n]"));
    static const QRegularExpression generic(
        QStringLiteral("^(Conversion failed!|Exiting normally.*|video:.*kB.*|frame=.*|size=.*|Press \\[q\\].*|"
                       // FFmpeg's summary of an encoder that refused: the line before says why.
                       "Error while opening encoder .*|Error initializing output stream .*)$"));
    static const QRegularExpression telling(
        QStringLiteral("error|no space left|permission denied|read-only file system|invalid|no such file|"
                       "not found|failed|unable|could not|cannot|denied|unknown encoder|does not|not supported|too many"),
        QRegularExpression::CaseInsensitiveOption);
    const QStringList lines = output.split(lineEnds, Qt::SkipEmptyParts);
    QString last;
    for (auto it = lines.crbegin(); it != lines.crend(); ++it) {
        const QString line = it->trimmed();
        if (line.isEmpty())
            continue;
        if (last.isEmpty())
            last = line;
        if (!generic.match(line).hasMatch() && telling.match(line).hasMatch())
            return withoutContext(line);
    }
    return last.isEmpty() ? QCoreApplication::translate("tarnwick::Converter", "the encoder printed nothing") : last;
}

QString newPassLog()
{
    static std::atomic<int> count{0};
    return temporaryFolderPath() + QDir::separator() +
           QStringLiteral("pass-%1-%2").arg(QCoreApplication::applicationPid()).arg(++count);
}

bool meansOutputUnwritable(const QString& reason)
{
    return reason.contains(QLatin1String("No space left on device")) ||
           reason.contains(QLatin1String("Disk quota exceeded")) ||
           reason.contains(QLatin1String("Read-only file system"));
}

} // namespace tarnwick
