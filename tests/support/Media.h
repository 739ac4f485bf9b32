#pragma once

#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tarnwick::test {

// What ffprobe says of a file.
struct Probe {
    QString format;
    QString videoCodec;
    double duration = 0;
    int width = 0;
    int height = 0;
};

inline Probe ffprobe(const QString& file)
{
    QString out;
    Probe probe;
    if (!runTool(TARNWICK_FFPROBE, {"-v", "error", "-show_entries",
                                    "format=format_name,duration:stream=codec_type,codec_name,width,height",
                                    "-of", "json", file},
                 &out))
        return probe;
    const QJsonObject root = QJsonDocument::fromJson(out.toUtf8()).object();
    probe.format = root["format"].toObject()["format_name"].toString();
    probe.duration = root["format"].toObject()["duration"].toString().toDouble();
    for (const QJsonValue& stream : root["streams"].toArray()) {
        const QJsonObject s = stream.toObject();
        if (s["codec_type"].toString() == "video") {
            probe.videoCodec = s["codec_name"].toString();
            probe.width = s["width"].toInt();
            probe.height = s["height"].toInt();
        }
    }
    return probe;
}

// The SHA-256 of each mapped stream's packets, as FFmpeg copies them: the
// same text for streams copied bit for bit.
inline QString streamHashes(const QString& file, const QStringList& maps)
{
    QString out;
    QStringList arguments{"-nostdin", "-v", "error", "-i", file};
    for (const QString& map : maps)
        arguments << "-map" << map;
    runTool(TARNWICK_FFMPEG, arguments + QStringList{"-c", "copy", "-f", "streamhash", "-"}, &out);
    return out;
}

// A test picture clip made by Debian's FFmpeg.
inline bool makeClip(const QString& path, int seconds = 1, const QString& size = QStringLiteral("160x120"))
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return runTool(TARNWICK_FFMPEG, {"-nostdin", "-v", "error", "-y", "-f", "lavfi", "-i",
                                     QString("testsrc=size=%1:rate=25:duration=%2").arg(size).arg(seconds),
                                     "-c:v", "mpeg4", path});
}

} // namespace tarnwick::test
