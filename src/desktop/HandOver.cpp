#include "desktop/HandOver.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QDeadlineTimer>
#include <QPointer>
#include <QStringDecoder>
#include <QTimer>

#include <memory>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace tarnwick {

namespace {
const QByteArray kHeader = QByteArrayLiteral("tarnwick-open\n");
constexpr qint64 kMaxMessage = 4 * 1024 * 1024;

bool fromSameUser(const QLocalSocket* socket)
{
#ifdef Q_OS_LINUX
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == ::getuid();
#else
    Q_UNUSED(socket);
    return true; // the socket admits its owner only
#endif
}
} // namespace

HandOver::HandOver(QString socketPath, QObject* parent) : QObject(parent), m_path(std::move(socketPath)) {}

HandOver::~HandOver()
{
    if (m_server)
        m_server->close();
}

QByteArray HandOver::message(const QStringList& paths)
{
    QByteArray bytes = kHeader;
    for (const QString& path : paths)
        bytes += path.toUtf8() + '\0';
    return bytes;
}

std::optional<QStringList> HandOver::parse(const QByteArray& message)
{
    if (!message.startsWith(kHeader) || message.size() > kMaxMessage || !message.endsWith('\0'))
        return std::nullopt;
    QStringList paths;
    const QList<QByteArray> parts = message.mid(kHeader.size()).chopped(1).split('\0');
    for (const QByteArray& part : parts) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString path = utf8(part);
        if (utf8.hasError() || !QDir::isAbsolutePath(path) || path.contains(QChar(0)))
            return std::nullopt;
        paths << path;
    }
    return paths;
}

bool HandOver::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QFile::remove(m_path); // a socket a crashed copy left behind
    if (!m_server->listen(m_path))
        return false;
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            socket->setParent(this);
            if (!fromSameUser(socket)) {
                socket->abort();
                socket->deleteLater();
                emit refused();
                continue;
            }
            const auto buffer = std::make_shared<QByteArray>();
            QPointer<QLocalSocket> guarded(socket);
            const auto finish = [this, guarded, buffer] {
                if (guarded) {
                    *buffer += guarded->readAll();
                    if (const auto paths = parse(*buffer))
                        emit received(*paths);
                    else
                        emit refused();
                    guarded->deleteLater();
                }
            };
            connect(socket, &QLocalSocket::readyRead, this, [guarded, buffer] {
                if (guarded && buffer->size() <= kMaxMessage)
                    *buffer += guarded->readAll();
                if (guarded && buffer->size() > kMaxMessage)
                    guarded->abort();
            });
            connect(socket, &QLocalSocket::disconnected, this, finish, Qt::SingleShotConnection);
        }
    });
    return true;
}

bool HandOver::send(const QString& socketPath, const QStringList& paths, int waitMs)
{
    const QDeadlineTimer deadline(waitMs);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(socketPath);
        if (socket.waitForConnected(3000))
            break;
        // Not listening yet: no window to keep responsive here, so a short
        // pause between tries is all it costs.
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    socket.write(message(paths));
    socket.flush();
    while (socket.bytesToWrite() > 0 && socket.waitForBytesWritten(3000)) {
    }
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(3000);
    return true;
}

} // namespace tarnwick
