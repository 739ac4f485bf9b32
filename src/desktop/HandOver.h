#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;

namespace tarnwick {

// The single copy's door for files: a second start with files hands their
// paths to the running copy through a local socket beside the lock, and
// ends. The socket admits only its owner, and a message is taken only as a
// list of absolute paths from the same user.
class HandOver : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HandOver)

public:
    explicit HandOver(QString socketPath, QObject* parent = nullptr);
    ~HandOver() override;

    // The running copy listens; false when the socket could not be made.
    bool listen();
    // A second copy sends; true when the running copy took the message. The
    // running copy takes its lock before it listens, so a second start in
    // that moment tries again until `waitMs` have passed.
    static bool send(const QString& socketPath, const QStringList& paths, int waitMs = 0);

    // The paths a message carries, or nullopt when it is not such a message.
    static std::optional<QStringList> parse(const QByteArray& message);
    static QByteArray message(const QStringList& paths);

signals:
    void received(const QStringList& paths);
    // A connection whose message was not taken.
    void refused();

private:
    QString m_path;
    QLocalServer* m_server = nullptr;
};

} // namespace tarnwick
