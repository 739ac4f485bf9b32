#include "help/ChmViewerQuery.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

namespace tarnwick {

ChmViewerQuery::ChmViewerQuery(QObject* parent) : QObject(parent) {}

// A question still out when the window goes is not waited for.
ChmViewerQuery::~ChmViewerQuery()
{
    for (QProcess* query : findChildren<QProcess*>(Qt::FindDirectChildrenOnly)) {
        query->disconnect(this);
        query->kill();
        query->waitForFinished();
    }
}

std::optional<bool> ChmViewerQuery::answerOrAsk()
{
    if (m_answer && !m_kept.hasExpired())
        return m_answer;
    if (m_waiting > 0)
        return std::nullopt;
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (tool.isEmpty())
        return false;
    m_answer.reset();
    m_named = false;
    // Both types at once: the answer takes at most one timeout.
    m_waiting = 2;
    ask(tool, QStringLiteral("application/vnd.ms-htmlhelp"));
    ask(tool, QStringLiteral("application/x-chm"));
    return std::nullopt;
}

void ChmViewerQuery::ask(const QString& tool, const QString& type)
{
    auto* query = new QProcess(this);
    query->setStandardInputFile(QProcess::nullDevice());
    auto* limit = new QTimer(query);
    limit->setSingleShot(true);
    connect(limit, &QTimer::timeout, query, &QProcess::kill);
    connect(query, &QProcess::finished, this, [this, query](int code, QProcess::ExitStatus status) {
        const bool named = status == QProcess::NormalExit && code == 0 &&
                           !query->readAllStandardOutput().trimmed().isEmpty();
        query->deleteLater();
        queryEnded(named);
    });
    connect(query, &QProcess::errorOccurred, this, [this, query](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return; // the end comes with finished
        query->deleteLater();
        queryEnded(false);
    });
    query->start(tool, {QStringLiteral("query"), QStringLiteral("default"), type});
    limit->start(kAnswerTimeoutMs);
}

void ChmViewerQuery::queryEnded(bool named)
{
    m_named = m_named || named;
    if (--m_waiting > 0)
        return;
    m_answer = m_named;
    m_kept.setRemainingTime(kKeptMs);
    emit answered(m_named);
}

} // namespace tarnwick
