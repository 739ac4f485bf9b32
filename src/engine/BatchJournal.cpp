#include "engine/BatchJournal.h"

#include "base/Files.h"
#include "engine/ConversionQueue.h"

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

// A range as the journal holds it: null for none, else its bounds in
// seconds, an open one left out.
QJsonValue rangeValue(const TimeRange& range)
{
    if (!range.isSet())
        return QJsonValue::Null;
    QJsonObject object;
    if (range.start)
        object.insert("start", *range.start);
    if (range.end)
        object.insert("end", *range.end);
    return object;
}

// Anything that is not a readable bound is no bound: the file converts
// whole rather than not at all.
TimeRange rangeFrom(const QJsonValue& value)
{
    const QJsonObject object = value.toObject();
    const auto bound = [&object](const char* key) -> std::optional<double> {
        const QJsonValue v = object.value(QLatin1String(key));
        if (!v.isDouble() || !(v.toDouble() >= 0) || v.toDouble() > 1e9)
            return std::nullopt;
        return v.toDouble();
    };
    return TimeRange{bound("start"), bound("end")};
}
} // namespace

QList<TimeRange> BatchJournal::rangesOf(const Entry& entry) const
{
    if (!entry.ranges.isEmpty() || !m_queue)
        return entry.ranges;
    QList<TimeRange> ranges;
    for (qsizetype i = 0; i < entry.remaining.size(); ++i) {
        const RunEntry run = m_queue->runEntry(int(i));
        ranges << (run.path == entry.remaining.at(i) ? run.range : TimeRange{});
    }
    return ranges;
}

void BatchJournal::write(const Entry& entry) const
{
    // The first lane's output where a journal of one lane has it, the
    // others' beside it.
    const Writing first = entry.writing.value(0);
    // Old journals have no ranges, and their files convert whole.
    QJsonArray ranges;
    bool anyRange = false;
    for (const TimeRange& range : rangesOf(entry)) {
        ranges.append(rangeValue(range));
        anyRange = anyRange || range.isSet();
    }
    QJsonObject root{{"kind", kKind},
                     {"version", kVersion},
                     {"settings", toJson(entry.settings)},
                     {"remaining", QJsonArray::fromStringList(entry.remaining)},
                     {"writing", first.output},
                     {"writingExisted", first.existed}};
    if (anyRange)
        root.insert("ranges", ranges);
    if (entry.writing.size() > 1) {
        QJsonArray more;
        for (const Writing& writing : entry.writing.mid(1))
            more.append(QJsonObject{{"writing", writing.output}, {"writingExisted", writing.existed}});
        root.insert("alsoWriting", more);
    }
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    writeFileAtomically(m_path, QJsonDocument(root).toJson(QJsonDocument::Compact), Durability::Crash);
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
    const std::optional<RunSettings> settings = runSettingsFromJson(root.value("settings").toObject());
    const QJsonArray remaining = root.value("remaining").toArray();
    const bool ours = root.value("kind").toString() == kKind && root.value("version").toInt() == kVersion &&
                      settings && root.value("writing").isString() && !remaining.isEmpty();
    if (!ours) {
        clear();
        return std::nullopt;
    }
    Entry entry;
    entry.settings = *settings;
    const QJsonArray ranges = root.value("ranges").toArray();
    for (qsizetype i = 0; i < remaining.size(); ++i) {
        const QJsonValue path = remaining.at(i);
        if (path.isString() && !path.toString().isEmpty()) {
            entry.remaining << path.toString();
            entry.ranges << rangeFrom(i < ranges.size() ? ranges.at(i) : QJsonValue());
        }
    }
    // A flag that is missing counts as "was there": such a file is never removed.
    const auto take = [&entry](const QJsonObject& object) {
        const QString output = object.value("writing").toString();
        if (!output.isEmpty())
            entry.writing.append({output, object.value("writingExisted").toBool(true)});
    };
    take(root);
    for (const QJsonValue& more : root.value("alsoWriting").toArray())
        take(more.toObject());
    return entry;
}

QStringList BatchJournal::halfWrittenOutputs(const Entry& entry)
{
    QStringList removable;
    const QString folder = QDir::cleanPath(entry.settings.outputFolder);
    for (const Writing& writing : entry.writing) {
        const QFileInfo output(writing.output);
        if (writing.existed || !output.isAbsolute() || output.isSymLink() || !output.isFile() ||
            QDir::cleanPath(output.absolutePath()) != folder || output.fileName().startsWith(u'.'))
            continue;
        removable << output.absoluteFilePath();
    }
    return removable;
}

} // namespace tarnwick
