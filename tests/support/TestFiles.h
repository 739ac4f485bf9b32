#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace tarnwick::test {

// Creates a file with the given bytes, making its folders.
inline bool writeFile(const QString& path, const QByteArray& bytes = QByteArray("x"))
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Runs a tool to its end; true on exit status 0.
inline bool runTool(const QString& program, const QStringList& arguments, QString* output = nullptr,
                    int timeoutMs = 120000)
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.setStandardInputFile(QProcess::nullDevice());
    tool.start(program, arguments);
    if (!tool.waitForFinished(timeoutMs))
        return false;
    if (output)
        *output = QString::fromLocal8Bit(tool.readAll());
    return tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

// The names of a folder in the order the file system lists them.
inline QStringList listingOrder(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Unsorted);
}

} // namespace tarnwick::test

#include <QMimeData>
#include <QUrl>

#include <memory>

namespace tarnwick::test {

// What a file manager's drag carries: the local files as URLs.
inline std::unique_ptr<QMimeData> localFilesMime(const QStringList& paths)
{
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
}

} // namespace tarnwick::test
