#pragma once

#include <QDeadlineTimer>
#include <QObject>

#include <optional>

namespace tarnwick {

// Whether the desktop names an application for compiled help files, as
// xdg-mime reports it, asked without waiting for the answer: a desktop slow
// to answer must not freeze the window. An answer is kept for a short while,
// so clicks in a row ask once and a viewer installed meanwhile is seen soon
// after. No xdg-mime, or no answer in time, is a no.
class ChmViewerQuery : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChmViewerQuery)

public:
    static constexpr int kAnswerTimeoutMs = 3000;
    static constexpr int kKeptMs = 30000;

    explicit ChmViewerQuery(QObject* parent = nullptr);
    ~ChmViewerQuery() override;

    // The answer while one is fresh; otherwise nullopt, and answered()
    // follows (once for any number of calls while the desktop is asked).
    std::optional<bool> answerOrAsk();

signals:
    void answered(bool opensChm);

private:
    void ask(const QString& tool, const QString& type);
    void queryEnded(bool named);

    int m_waiting = 0; // queries still out
    bool m_named = false;
    std::optional<bool> m_answer;
    QDeadlineTimer m_kept;
};

} // namespace tarnwick
