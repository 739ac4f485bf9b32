#pragma once

// Chromium, headless, plays a file in a <video> element of a page served
// from loopback, and says whether it reached the end.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

namespace tarnwick::test {

class BrowserPlayer
{
public:
    static QString chromium() { return QStandardPaths::findExecutable(QStringLiteral("chromium")); }

    // Empty when the browser played the file to its end; else what it said.
    QString plays(const QString& file, int timeoutMs = 60000)
    {
        if (chromium().isEmpty())
            return QStringLiteral("chromium is not installed (scripts/setup.sh installs it)");
        m_file = file;
        m_result.clear();
        QTcpServer server;
        if (!server.listen(QHostAddress::LocalHost))
            return QStringLiteral("no loopback port");
        QObject::connect(&server, &QTcpServer::newConnection, &server, [&] {
            while (QTcpSocket* socket = server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { serve(socket); });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
        QTemporaryDir profile;
        QProcess browser;
        browser.setProcessChannelMode(QProcess::MergedChannels);
        browser.start(chromium(), {"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                                   "--disable-background-networking", "--disable-component-update", "--disable-sync",
                                   "--user-data-dir=" + profile.path(), "--autoplay-policy=no-user-gesture-required",
                                   QStringLiteral("http://127.0.0.1:%1/page.html").arg(server.serverPort())});
        QElapsedTimer waited;
        waited.start();
        while (m_result.isEmpty() && waited.elapsed() < timeoutMs && browser.state() != QProcess::NotRunning)
            QTest::qWait(50);
        browser.kill();
        browser.waitForFinished();
        if (m_result.isEmpty())
            return QStringLiteral("the browser said nothing: ") + QString::fromUtf8(browser.readAll()).left(300);
        return m_result.startsWith(QLatin1String("ended")) ? QString() : m_result;
    }

private:
    void serve(QTcpSocket* socket)
    {
        QByteArray& request = m_requests[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        const QList<QByteArray> words = request.left(request.indexOf("\r\n")).split(' ');
        const QUrl url(QString::fromUtf8(words.value(1)));
        QByteArray range;
        for (const QByteArray& line : request.split('\n')) {
            if (line.toLower().startsWith("range: bytes="))
                range = line.mid(13).trimmed();
        }
        m_requests.remove(socket);
        if (url.path() == u"/page.html") {
            reply(socket, "200 OK", "text/html", page());
        } else if (url.path() == u"/done") {
            m_result = QUrlQuery(url).queryItemValue(QStringLiteral("r"), QUrl::FullyDecoded);
            reply(socket, "204 No Content", "text/plain", {});
        } else if (url.path() == u"/video") {
            QFile file(m_file);
            file.open(QIODevice::ReadOnly);
            const QByteArray all = file.readAll();
            qint64 from = 0, to = all.size() - 1;
            if (!range.isEmpty()) {
                from = range.split('-').value(0).toLongLong();
                if (const QByteArray end = range.split('-').value(1); !end.isEmpty())
                    to = qMin<qint64>(end.toLongLong(), to);
            }
            const QByteArray body = all.mid(from, to - from + 1);
            QByteArray head = range.isEmpty() ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 206 Partial Content\r\n";
            head += "Content-Type: " + mimeType() + "\r\nAccept-Ranges: bytes\r\nContent-Length: " +
                    QByteArray::number(body.size()) + "\r\n";
            if (!range.isEmpty())
                head += "Content-Range: bytes " + QByteArray::number(from) + '-' + QByteArray::number(to) + '/' +
                        QByteArray::number(all.size()) + "\r\n";
            socket->write(head + "Connection: close\r\n\r\n" + body);
            socket->disconnectFromHost();
        } else {
            reply(socket, "404 Not Found", "text/plain", "no");
        }
    }

    static void reply(QTcpSocket* socket, const QByteArray& status, const QByteArray& type, const QByteArray& body)
    {
        socket->write("HTTP/1.1 " + status + "\r\nContent-Type: " + type +
                      "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    QByteArray mimeType() const
    {
        return m_file.endsWith(QLatin1String(".webm")) ? "video/webm" : "video/mp4";
    }

    static QByteArray page()
    {
        return R"(<!doctype html><html><body><script>
const v = document.createElement('video'); v.muted = true; v.src = '/video';
const report = (r) => { new Image().src = '/done?r=' + encodeURIComponent(r); };
v.addEventListener('ended', () => report('ended ' + v.videoWidth + 'x' + v.videoHeight));
v.addEventListener('error', () => report('error ' + (v.error && v.error.message)));
v.play().catch(e => report('refused ' + e));
document.body.appendChild(v);
</script></body></html>)";
    }

    QString m_file;
    QString m_result;
    QHash<QTcpSocket*, QByteArray> m_requests;
};

} // namespace tarnwick::test
