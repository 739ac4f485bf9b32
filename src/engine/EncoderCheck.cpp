#include "engine/EncoderCheck.h"

#include "job/EncoderCommand.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace tarnwick {

namespace {

struct EncoderCheck
{
    Q_DECLARE_TR_FUNCTIONS(tarnwick::EncoderCheck)
};

// A path as a shell takes it, quoted only when it needs to be.
QString shellQuoted(QString path)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./+,:=@%-]+$"));
    if (plain.match(path).hasMatch())
        return path;
    return u'\'' + path.replace(u'\'', QStringLiteral("'\\''")) + u'\'';
}

} // namespace

QString encoderProblem(const QString& programFolder)
{
    const QString path = encoderPath(programFolder);
    const QFileInfo encoder(path);
    if (encoder.isFile() && encoder.isExecutable())
        return {};

    QString what;
    if (encoder.isSymLink() && !encoder.exists())
        what = EncoderCheck::tr("%1 is a link to %2, which is not there.")
                   .arg(path, encoder.symLinkTarget());
    else if (encoder.exists())
        what = EncoderCheck::tr("%1 is not a program.").arg(path);
    else
        what = EncoderCheck::tr("%1 is not there.").arg(path);

    // The program folder's encoder is a link to FFmpeg: the way back is
    // FFmpeg and the link.
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    const QString how =
        ffmpeg.isEmpty()
            ? EncoderCheck::tr("Tarnwick converts with FFmpeg, which is not installed. Install it "
                               "(on Debian and Ubuntu: "
                               "apt install ffmpeg), then link the encoder to it:") +
                  QStringLiteral("\n\nln -sfn \"$(command -v ffmpeg)\" ") + shellQuoted(path)
            : EncoderCheck::tr("Tarnwick converts with FFmpeg, which is installed as %1. Link the "
                               "encoder to it:")
                      .arg(ffmpeg) +
                  QStringLiteral("\n\nln -sfn ") + shellQuoted(ffmpeg) + u' ' + shellQuoted(path);
    return EncoderCheck::tr("The encoder is missing, so nothing can be converted.") +
           QStringLiteral("\n\n") + what + QStringLiteral("\n\n") + how;
}

} // namespace tarnwick
