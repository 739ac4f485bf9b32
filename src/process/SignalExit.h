#pragma once

#include <QObject>

class QSocketNotifier;

namespace tarnwick {

// SIGINT, SIGTERM and SIGHUP, taken through the event loop: the handler
// only writes a byte to a pipe, and `received` is raised from the loop, so
// the program stops its encoders with ordinary code.
class SignalExit : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SignalExit)

public:
    explicit SignalExit(QObject* parent = nullptr);
    ~SignalExit() override;
    bool caught() const { return m_caught; }

signals:
    void received();

private:
    QSocketNotifier* m_notifier = nullptr;
    bool m_caught = false;
};

} // namespace tarnwick
