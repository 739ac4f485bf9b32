#include "settings/SettingsFiles.h"

#include "base/Text.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cmath>
#include <limits>

namespace tarnwick::SettingsFiles {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

std::optional<qint64> roundedInRange(double value, qint64 min, qint64 max)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double whole = std::rint(value); // ties to even
    if (whole < double(min) || whole > double(max))
        return std::nullopt;
    return qint64(whole);
}

// The quote that ends a quoted field starting at `from`: the first one that
// only blanks separate from a comma, a line end or the end of the content.
// A folder name may hold a double quote (Linux allows it) and the format has
// no escape for it; the files this program writes never put anything else
// after a closing quote, so such a quote is read as part of the name. With
// no such quote, the next quote ends the field, as it always did.
qsizetype closingQuote(const QByteArray& content, qsizetype from)
{
    const qsizetype n = content.size();
    qsizetype next = -1;
    for (qsizetype q = content.indexOf('"', from); q >= 0; q = content.indexOf('"', q + 1)) {
        if (next < 0)
            next = q;
        qsizetype j = q + 1;
        while (j < n && isBlank(content[j]))
            ++j;
        if (j == n || content[j] == ',' || isLineEnd(content[j]))
            return q;
    }
    return next < 0 ? n : next;
}

} // namespace

QStringList readFields(const QByteArray& content, int count)
{
    QStringList fields;
    qsizetype i = 0;
    const qsizetype n = content.size();
    while (fields.size() < count && i < n) {
        while (i < n && (isBlank(content[i]) || isLineEnd(content[i])))
            ++i;
        if (i >= n)
            break;
        QByteArray field;
        if (content[i] == '"') {
            ++i;
            const qsizetype close = closingQuote(content, i);
            field = content.mid(i, close - i);
            i = close + 1;
            while (i < n && content[i] != ',' && !isLineEnd(content[i]))
                ++i;
        } else {
            while (i < n && content[i] != ',' && !isLineEnd(content[i]))
                field.append(content[i++]);
            field = field.trimmed();
        }
        if (i < n && content[i] == ',')
            ++i;
        fields.append(QString::fromLocal8Bit(field));
    }
    return fields;
}

std::optional<qint16> toInt16(const QString& field)
{
    bool ok = false;
    const double value = field.trimmed().toDouble(&ok);
    if (!ok)
        return std::nullopt;
    const auto whole = roundedInRange(value, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max());
    return whole ? std::optional<qint16>(qint16(*whole)) : std::nullopt;
}

std::optional<qint64> leadingNumber(const QString& field, qint64 min, qint64 max)
{
    bool digits = false;
    const double value = leadingValue(field, &digits);
    if (!digits)
        return qint64(0);
    return roundedInRange(value, min, max);
}

ReadSetup parseSetup(const QByteArray& content)
{
    const QStringList f = readFields(content, 5);
    ReadSetup read;
    if (f.size() > 0)
        read.audioBitrate = toInt16(f[0]);
    if (f.size() > 1)
        read.sampleRate = toInt16(f[1]);
    if (f.size() > 2)
        read.channels = toInt16(f[2]);
    if (f.size() > 3)
        read.outputFolder = f[3];
    if (f.size() > 4)
        read.internalFormat = toInt16(f[4]);
    return read;
}

QByteArray formatSetup(const WindowSettings& s)
{
    QByteArray out;
    const auto line = [&out](const QString& text) {
        out += '"' + text.toLocal8Bit() + "\"\r\n";
    };
    line(QString::number(s.audioBitrate));
    line(QString::number(s.sampleRate));
    line(QString::number(s.channels));
    line(s.outputFolder);
    line(QString::number(s.internalFormat));
    return out;
}

ReadOptions parseOptions(const QByteArray& content)
{
    const QStringList f = readFields(content, 4);
    ReadOptions read;
    constexpr qint64 min16 = std::numeric_limits<qint16>::min();
    constexpr qint64 max16 = std::numeric_limits<qint16>::max();
    constexpr qint64 min32 = std::numeric_limits<qint32>::min();
    constexpr qint64 max32 = std::numeric_limits<qint32>::max();
    if (f.size() > 0)
        if (auto v = leadingNumber(f[0], min16, max16))
            read.soundReminder = qint16(*v);
    if (f.size() > 1)
        if (auto v = leadingNumber(f[1], min16, max16))
            read.musicCutter = qint16(*v);
    if (f.size() > 2)
        if (auto v = leadingNumber(f[2], min32, max32))
            read.cutFromSeconds = qint32(*v);
    if (f.size() > 3)
        if (auto v = leadingNumber(f[3], min32, max32))
            read.cutToSeconds = qint32(*v);
    return read;
}

Options ReadOptions::appliedTo(Options record) const
{
    if (soundReminder)
        record.beep = *soundReminder == 0;
    if (musicCutter)
        record.cut.on = *musicCutter != 0;
    record.cut.fromSeconds = cutFromSeconds.value_or(record.cut.fromSeconds);
    record.cut.toSeconds = cutToSeconds.value_or(record.cut.toSeconds);
    return record;
}

QByteArray formatOptions(const Options& o)
{
    QByteArray out;
    for (qint64 value : {qint64(o.beep ? 0 : 1), qint64(o.cut.on ? 1 : 0), qint64(o.cut.fromSeconds),
                         qint64(o.cut.toSeconds)})
        out += QByteArray::number(value) + "\r\n";
    return out;
}

std::optional<QByteArray> readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // The files are a few lines; anything huge is not one of ours.
    return file.read(64 * 1024);
}

} // namespace tarnwick::SettingsFiles

namespace tarnwick {

QString settingsFolder(const QString& programFolder, bool programFolderWritable)
{
    if (programFolderWritable)
        return programFolder;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return QDir::toNativeSeparators(config);
}

} // namespace tarnwick
