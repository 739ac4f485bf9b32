#include "cli/CliReport.h"

#include "cli/CliOptions.h"
#include "cli/CliSeams.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace tarnwick::cli {

CliReport::CliReport(Mode mode, const BatchProgress& batch, std::FILE* out, std::FILE* err)
    : m_mode(mode), m_batch(batch), m_out(out), m_err(err)
{
    m_since.start();
}

QString CliReport::name(int index) const
{
    return QFileInfo(m_sources.value(index)).fileName();
}

void CliReport::json(const QString& event, const QVariantMap& fields)
{
    QJsonObject object = QJsonObject::fromVariantMap(fields);
    object.insert(QStringLiteral("event"), event);
    writeLine(m_out, QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)));
}

void CliReport::queued(const QStringList& sources)
{
    m_sources = sources;
    m_since.restart();
    if (m_mode == Mode::Json) {
        for (int i = 0; i < sources.size(); ++i)
            json(QStringLiteral("queued"), {{"index", i}, {"source", sources.at(i)}});
    }
}

void CliReport::started(int index, const QString& source)
{
    m_running.insert(index, 0);
    if (m_mode == Mode::Json)
        json(QStringLiteral("started"), {{"index", index}, {"source", source}, {"count", m_sources.size()}});
    else if (m_mode == Mode::Terminal)
        drawStatus(true);
}

void CliReport::progress(int index, double percent)
{
    if (!m_running.contains(index))
        return;
    m_running[index] = percent;
    if (m_mode == Mode::Json) {
        // One event per whole percent: enough to follow, little to parse.
        const int whole = int(percent);
        if (m_lastJsonPercent.value(index, -1) != whole) {
            m_lastJsonPercent[index] = whole;
            json(QStringLiteral("progress"), {{"index", index}, {"percent", whole}});
        }
    } else if (m_mode == Mode::Terminal) {
        drawStatus(false);
    }
}

void CliReport::finished(int index, const ConversionResult& result)
{
    m_running.remove(index);
    if (m_mode == Mode::Terminal && !result.notes.isEmpty())
        clearStatus();
    for (const QString& note : result.notes)
        writeLine(m_err, QStringLiteral("tarnwick-cli: %1: %2").arg(result.source, note));
    if (!result.ok)
        writeLine(m_err, QStringLiteral("tarnwick-cli: %1: %2").arg(result.source, result.error));
    switch (m_mode) {
    case Mode::Json:
        if (result.ok)
            json(QStringLiteral("finished"),
                 {{"index", index}, {"source", result.source}, {"output", result.output}, {"status", "converted"}});
        else
            json(QStringLiteral("failed"),
                 {{"index", index}, {"source", result.source}, {"status", "failed"}, {"error", result.error}});
        break;
    case Mode::Plain:
        if (result.ok)
            writeLine(m_out, Texts::tr("converted %1 -> %2").arg(result.source, result.output));
        else
            writeLine(m_out, Texts::tr("failed %1: %2").arg(result.source, result.error));
        break;
    case Mode::Terminal:
        clearStatus();
        if (result.ok)
            writeLine(m_out, Texts::tr("converted %1 -> %2").arg(name(index), result.output));
        drawStatus(true);
        break;
    }
}

void CliReport::summary(bool stopped)
{
    const double seconds = m_since.nsecsElapsed() / 1e9;
    if (m_mode == Mode::Json) {
        json(QStringLiteral("batch"), {{"converted", converted()},
                                       {"failed", failed()},
                                       {"total", m_sources.size()},
                                       {"stopped", stopped},
                                       {"seconds", std::round(seconds * 10) / 10}});
        return;
    }
    clearStatus();
    writeLine(m_out, Texts::tr("%1 converted, %2 failed%3 in %4")
                         .arg(converted())
                         .arg(failed())
                         .arg(stopped ? Texts::tr(", stopped") : QString())
                         .arg(clockText(seconds)));
}

void CliReport::clearStatus()
{
    if (!m_statusShown)
        return;
    std::fputs("\r\x1b[K", m_out);
    std::fflush(m_out);
    m_statusShown = false;
}

void CliReport::drawStatus(bool force)
{
    if (m_running.isEmpty()) {
        clearStatus();
        return;
    }
    // A redraw a tenth of a second is smooth to the eye and cheap to a slow terminal.
    if (!force && m_lastDraw.isValid() && m_lastDraw.elapsed() < 100)
        return;
    m_lastDraw.start();
    const BatchStatus& status = m_batch.status();
    QString line = Texts::tr("%1  %2%  file %3 of %4")
                       .arg(name(m_running.firstKey()))
                       .arg(int(m_running.first()))
                       .arg(status.file)
                       .arg(status.count);
    if (m_running.size() > 1)
        line += Texts::tr("  (+%1 running)").arg(m_running.size() - 1);
    if (status.secondsLeft)
        line += Texts::tr("  %1 left").arg(clockText(*status.secondsLeft));
    const QByteArray bytes = (QStringLiteral("\r\x1b[K") + line).toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), m_out);
    std::fflush(m_out);
    m_statusShown = true;
}

} // namespace tarnwick::cli
