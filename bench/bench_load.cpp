// A batch of 200 short clips through the main window (offscreen) and Debian's
// FFmpeg. Measures how late a 10 ms timer fires while the batch converts,
// against the same timer on the idle window in the same process (target:
// every event handled within 100 ms), and the resident memory from file to
// file (target: flat, the last file's within 5% of the twentieth's).

#include "engine/BatchDriver.h"
#include "form/QtSeams.h"
#include "form/frmMain.h"
#include "process/ProcessRunner.h"
#include "platform/Messages.h"
#include "platform/Shell.h"
#include "platform/Drives.h"
#include "sources/Queue.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tarnwick;

namespace {

class Quiet final : public Messages, public Shell
{
public:
    int messages = 0;
    void show(const QString& text, const QString&, MessageIcon) override
    {
        ++messages;
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    bool openPath(const QString&) override { return true; }
    bool openAddress(const QString&) override { return true; }
    void beep() override {}
};

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

// How late each tick of a 10 ms timer comes, in milliseconds.
class Lateness
{
public:
    Lateness()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const double now = m_clock.nsecsElapsed() / 1e6;
            m_late.push_back(std::max(0.0, now - m_last - 10));
            m_last = now;
        });
    }
    void start()
    {
        m_late.clear();
        m_clock.start();
        m_last = 0;
        m_timer.start();
    }
    void stop() { m_timer.stop(); }
    double max() const { return m_late.empty() ? 0 : *std::max_element(m_late.begin(), m_late.end()); }
    double percentile(double p) const
    {
        if (m_late.empty())
            return 0;
        std::vector<double> sorted = m_late;
        std::sort(sorted.begin(), sorted.end());
        return sorted[size_t(p * double(sorted.size() - 1))];
    }
    size_t ticks() const { return m_late.size(); }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_last = 0;
    std::vector<double> m_late;
};

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    constexpr int kClips = 200;

    QTemporaryDir dir;
    const QString program = dir.filePath("program");
    QDir().mkpath(program + "/data");
    QFile::link(QStringLiteral(TARNWICK_FFMPEG), program + "/data/conv.exe");
    const QString first = dir.filePath("clips/clip000.mp4");
    QDir().mkpath(dir.filePath("clips"));
    QProcess::execute(QStringLiteral(TARNWICK_FFMPEG),
                      {"-nostdin", "-v", "error", "-f", "lavfi", "-i", "testsrc=size=64x48:rate=25:duration=0.2",
                       "-c:v", "mpeg4", first});
    QStringList clips{first};
    for (int i = 1; i < kClips; ++i) {
        clips << dir.filePath(QString("clips/clip%1.mp4").arg(i, 3, 10, QChar(u'0')));
        QFile::copy(first, clips.last());
    }

    Quiet quiet;
    QtDialogs dialogs;
    StorageDrives drives;
    frmMain form({quiet, dialogs, quiet, drives}, program);
    form.show();
    form.presets().visibleFormat.select(0);
    form.rotation().choices.select(5);
    form.widgets().txtPath->setText(dir.filePath("out"));
    for (const QString& clip : std::as_const(clips))
        form.queue().addEntry(clip);

    Lateness lateness;
    QEventLoop idle;
    lateness.start();
    QTimer::singleShot(2000, &idle, &QEventLoop::quit);
    idle.exec();
    lateness.stop();
    const double idleMax = lateness.max();
    const double idle99 = lateness.percentile(0.99);

    std::vector<long> resident;
    QObject::connect(&form.objDOS(), &ProcessRunner::finished, [&] { resident.push_back(residentKiB()); });
    QObject::connect(&form.batch(), &BatchDriver::batchFinished, &app, &QApplication::quit);
    QElapsedTimer clock;
    clock.start();
    lateness.start();
    QTimer::singleShot(0, form.widgets().Command3, &QPushButton::click);
    app.exec();
    lateness.stop();
    const double seconds = clock.nsecsElapsed() / 1e9;

    int converted = 0;
    for (const ConversionResult& r : form.batch().results())
        converted += r.ok;
    std::printf("%d clips: %d converted in %.1f s, %d messages\n", kClips, converted, seconds, quiet.messages);
    std::printf("timer lateness while converting: max %.1f ms, 99th %.1f ms over %zu ticks "
                "(idle: max %.1f ms, 99th %.1f ms); target: max < 100 ms\n",
                lateness.max(), lateness.percentile(0.99), lateness.ticks(), idleMax, idle99);
    if (resident.size() >= size_t(kClips)) {
        const long at20 = resident[19];
        const long atEnd = resident.back();
        std::printf("resident memory: %ld KiB after file 20, %ld KiB after file %zu, ratio %.3f "
                    "(target <= 1.05), %+.1f KiB per file\n",
                    at20, atEnd, resident.size(), double(atEnd) / double(at20),
                    double(atEnd - at20) / double(resident.size() - 20));
    }
    return converted == kClips ? 0 : 1;
}
