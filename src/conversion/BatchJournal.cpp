#include "conversion/BatchJournal.h"

#include "base/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tarnwick {

namespace {
const QString kKind = QStringLiteral("tarnwick-batch");
constexpr int kVersion = 1;
}

void BatchJournal::write(const Entry& entry) const
{
    const RunSettings& s = entry.settings;
    const QJsonObject settings{{"outputFolder", s.outputFolder},   {"internalIndex", s.internalIndex},
                               {"bitrateText", s.bitrateText},     {"rotationChoice", s.rotationChoice},
                               {"musicCutter", s.musicCutter},     {"cutToSeconds", s.cutToSeconds},
                               {"beepAtEnd", s.beepAtEnd}};
    const QJsonObject root{{"kind", kKind},
                           {"version", kVersion},
                           {"settings", settings},
                           {"remaining", QJsonArray::fromStringList(entry.remaining)},
                           {"writing", entry.writing},
                           {"writingExisted", entry.writingExisted}};
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    writeFileAtomically(m_path, QJsonDocument(root).toJson(QJsonDocument::Compact));
}

void BatchJournal::clear() const
{
    QFile::remove(m_path);
}

std::optional<BatchJournal::Entry> BatchJournal::read() const
{
    QFile file(m_path);
    if (!file.exists())
        return std::nullopt;
    // A journal is a few kilobytes; anything much larger is not one.
    if (!file.open(QIODevice::ReadOnly) || file.size() > 16 * 1024 * 1024) {
        clear();
        return std::nullopt;
    }
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    file.close();
    const QJsonObject s = root.value("settings").toObject();
    const QJsonArray remaining = root.value("remaining").toArray();
    const bool ours = root.value("kind").toString() == kKind && root.value("version").toInt() == kVersion &&
                      s.value("outputFolder").isString() && QDir::isAbsolutePath(s.value("outputFolder").toString()) &&
                      s.value("internalIndex").isDouble() && s.value("bitrateText").isString() &&
                      s.value("rotationChoice").isDouble() && root.value("writing").isString() &&
                      !remaining.isEmpty();
    if (!ours) {
        clear();
        return std::nullopt;
    }
    Entry entry;
    entry.settings.outputFolder = s.value("outputFolder").toString();
    entry.settings.internalIndex = s.value("internalIndex").toInt();
    entry.settings.bitrateText = s.value("bitrateText").toString();
    entry.settings.rotationChoice = s.value("rotationChoice").toInt();
    entry.settings.musicCutter = qint16(s.value("musicCutter").toInt());
    entry.settings.cutToSeconds = s.value("cutToSeconds").toInt();
    entry.settings.beepAtEnd = s.value("beepAtEnd").toBool();
    for (const QJsonValue& path : remaining) {
        if (path.isString() && !path.toString().isEmpty())
            entry.remaining << path.toString();
    }
    entry.writing = root.value("writing").toString();
    entry.writingExisted = root.value("writingExisted").toBool(true);
    return entry;
}

QString BatchJournal::halfWrittenOutput(const Entry& entry)
{
    if (entry.writing.isEmpty() || entry.writingExisted)
        return {};
    const QFileInfo output(entry.writing);
    const QString folder = QDir::cleanPath(entry.settings.outputFolder);
    if (!output.isAbsolute() || output.isSymLink() || !output.isFile() ||
        QDir::cleanPath(output.absolutePath()) != folder || output.fileName().startsWith(u'.'))
        return {};
    return output.absoluteFilePath();
}

} // namespace tarnwick
