#pragma once

#include "platform/Shell.h"
#include "platform/Dialogs.h"
#include "platform/Drives.h"

#include <QList>
#include <QStringList>

#include <optional>

namespace tarnwick::test {

// Dialogs answered from a script, in order. Each call takes the next answer
// (nullopt for a cancel) and records its request; a call with no answer
// left is noted as a problem and cancelled.
class ScriptedDialogs final : public Dialogs
{
public:
    void answerOpen(std::optional<QString> path)
    {
        m_openAnswers.append(path ? std::optional<QStringList>(QStringList{*path}) : std::nullopt);
    }
    void answerOpenSeveral(const QStringList& paths) { m_openAnswers.append(paths); }
    void answerFolder(std::optional<QString> path) { m_folderAnswers.append(std::move(path)); }
    void answerTimeRange(std::optional<TimeRangeAnswer> times) { m_rangeAnswers.append(std::move(times)); }
    void answerText(std::optional<QString> text) { m_textAnswers.append(std::move(text)); }

    std::optional<QString> openFile(const OpenFileRequest& request) override
    {
        openRequests.append(request);
        if (m_openAnswers.isEmpty()) {
            problems << QStringLiteral("unexpected open dialog \"%1\"").arg(request.title);
            return std::nullopt;
        }
        const auto answer = m_openAnswers.takeFirst();
        return answer ? std::optional<QString>(answer->value(0)) : std::nullopt;
    }
    // Answered from the same script: a single answer is a list of one.
    std::optional<QStringList> openFiles(const OpenFileRequest& request) override
    {
        openRequests.append(request);
        if (m_openAnswers.isEmpty()) {
            problems << QStringLiteral("unexpected open dialog \"%1\"").arg(request.title);
            return std::nullopt;
        }
        return m_openAnswers.takeFirst();
    }
    std::optional<QString> browseFolder(const QString& prompt) override
    {
        folderPrompts.append(prompt);
        if (m_folderAnswers.isEmpty()) {
            problems << QStringLiteral("unexpected folder browser");
            return std::nullopt;
        }
        return m_folderAnswers.takeFirst();
    }

    std::optional<TimeRangeAnswer> askTimeRange(const TimeRangeRequest& request) override
    {
        rangeRequests.append(request);
        if (m_rangeAnswers.isEmpty()) {
            problems << QStringLiteral("unexpected time range dialog for \"%1\"").arg(request.file);
            return std::nullopt;
        }
        return m_rangeAnswers.takeFirst();
    }
    std::optional<QString> askText(const TextRequest& request) override
    {
        textRequests.append(request);
        if (m_textAnswers.isEmpty()) {
            problems << QStringLiteral("unexpected text dialog \"%1\"").arg(request.title);
            return std::nullopt;
        }
        return m_textAnswers.takeFirst();
    }

    bool done() const
    {
        return problems.isEmpty() && m_openAnswers.isEmpty() && m_folderAnswers.isEmpty() && m_rangeAnswers.isEmpty() &&
               m_textAnswers.isEmpty();
    }
    QString report() const
    {
        QStringList all = problems;
        if (!m_openAnswers.isEmpty())
            all << QStringLiteral("%1 open answer(s) left").arg(m_openAnswers.size());
        if (!m_folderAnswers.isEmpty())
            all << QStringLiteral("%1 folder answer(s) left").arg(m_folderAnswers.size());
        if (!m_rangeAnswers.isEmpty())
            all << QStringLiteral("%1 time range answer(s) left").arg(m_rangeAnswers.size());
        if (!m_textAnswers.isEmpty())
            all << QStringLiteral("%1 text answer(s) left").arg(m_textAnswers.size());
        return all.join(u"; ");
    }

    QList<OpenFileRequest> openRequests;
    QStringList folderPrompts;
    QList<TimeRangeRequest> rangeRequests;
    QList<TextRequest> textRequests;
    QStringList problems;

private:
    QList<std::optional<QStringList>> m_openAnswers;
    QList<std::optional<QString>> m_folderAnswers;
    QList<std::optional<TimeRangeAnswer>> m_rangeAnswers;
    QList<std::optional<QString>> m_textAnswers;
};

// A machine whose volumes are the test's folders; some of them optical.
class ScriptedDrives final : public Drives
{
public:
    QList<Drive> drives;
    QStringList optical;
    QString current;

    QList<Drive> volumes() const override { return drives; }
    bool isOptical(const QString& root) const override { return optical.contains(root); }
    QString volumeOf(const QString&) const override { return current; }
};

// Records what would be opened and how often the machine beeped.
class RecordingShell final : public Shell
{
public:
    QStringList opened; // "path:..." or "address:..."
    QStringList refused; // targets that nothing on this desktop opens
    int beeps = 0;
    bool openPath(const QString& path) override { return open(QStringLiteral("path:") + path); }
    bool openAddress(const QString& address) override { return open(QStringLiteral("address:") + address); }
    bool open(const QString& target)
    {
        opened << target;
        return !refused.contains(target);
    }
    void beep() override { ++beeps; }
};

} // namespace tarnwick::test
