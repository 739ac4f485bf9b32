#include "engine/ConversionLogs.h"

#include "base/Files.h"

#include "job/EncoderCommand.h"
#include "job/OutputNames.h"

#include <QDir>
#include <QFileInfo>

namespace tarnwick {

QByteArray ConversionLogs::capped(const QByteArray& text, qint64 limit)
{
    if (text.size() <= limit)
        return text;
    const QByteArray note = "\n[... " + QByteArray::number(text.size()) + " bytes in all; the middle " +
                            QByteArray::number(text.size() - limit) + " bytes were cut ...]\n";
    const qint64 keep = qMax<qint64>(0, limit - note.size());
    const qint64 head = keep / 2;
    const qint64 tail = keep - head;
    return text.left(head) + note + text.right(tail);
}

QString ConversionLogs::write(const LogRecord& record) const
{
    if (!QDir().mkpath(m_folder))
        return {};
    const QString base = record.output.isEmpty()
                             ? FileBaseName(record.source) + record.started.toString(QStringLiteral("_HHmmss"))
                             : QFileInfo(record.output).fileName();
    QString path = m_folder + u'/' + base + QStringLiteral(".log");
    for (int copy = 2; isOccupied(path) && copy < 1000; ++copy)
        path = m_folder + u'/' + base + u'_' + QString::number(copy) + QStringLiteral(".log");

    const auto when = [](const QDateTime& t) { return t.toString(Qt::ISODateWithMs); };
    QByteArray head = ("source:     " + record.source + "\noutput:     " + record.output + "\nstarted:    " +
                       when(record.started) + "\nended:      " + when(record.ended) + "\noutcome:    " +
                       record.outcome + "\n")
                          .toUtf8();
    for (const QString& reason : record.added)
        head += ("added:      " + reason + "\n").toUtf8();
    for (const QString& what : record.unlooked)
        head += ("not looked at: " + what + "\n").toUtf8();
    head += ("\n$ " + record.probeCommand + "\n").toUtf8();
    QByteArray body = record.probeOutput.toUtf8();
    if (!record.conversionCommand.isEmpty())
        body += ("\n$ " + record.conversionCommand + "\n").toUtf8() + record.conversionOutput.toUtf8();
    return writeFileAtomically(path, capped(head + body), Durability::Crash) ? path : QString();
}

void ConversionLogs::prune(const QDateTime& now) const
{
    QDir folder(m_folder);
    const QFileInfoList logs =
        folder.entryInfoList({QStringLiteral("*.log")}, QDir::Files | QDir::Hidden, QDir::Time); // newest first
    const QDateTime oldest = now.addDays(-kMaxDays);
    for (qsizetype i = 0; i < logs.size(); ++i) {
        if (i >= kMaxLogs || logs.at(i).lastModified() < oldest)
            QFile::remove(logs.at(i).filePath());
    }
}

} // namespace tarnwick
