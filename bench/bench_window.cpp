// 20 clips of 8 s (640x360 H.264 and AAC) through the main window to MP4
// (MPEG-4), in a session with a desktop bus, against the same probe and
// conversion command lines run without the program:
//   one lane    against a shell loop running them one after another
//               (target ratio <= 1.03);
//   cores lanes against the best of xargs -P 1..cores over them
//               (target ratio <= 1.05).
// The two sides of a ratio run in turn, three pairs, and the median of the
// pairs' ratios is printed: pairing keeps the ratio fair when the machine's
// speed drifts. Without a session bus the benchmark starts one for itself
// with dbus-run-session. The window's journal and logs are kept as a user's
// are, in a temporary data folder.
//   bench_window [pairs]

#include "engine/BatchDriver.h"
#include "form/frmMain.h"
#include "platform/Dialogs.h"
#include "platform/Drives.h"
#include "platform/Messages.h"
#include "platform/Shell.h"
#include "sources/Queue.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

using namespace tarnwick;

namespace {

constexpr int kClips = 20;

class Quiet final : public Messages, public Shell, public Dialogs, public Drives
{
public:
    void show(const QString& text, const QString&, MessageIcon) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    bool openPath(const QString&) override { return true; }
    bool openAddress(const QString&) override { return true; }
    void beep() override {}
    std::optional<QString> openFile(const OpenFileRequest&) override { return std::nullopt; }
    std::optional<QStringList> openFiles(const OpenFileRequest&) override { return std::nullopt; }
    std::optional<QString> browseFolder(const QString&) override { return std::nullopt; }
    QList<Drive> volumes() const override { return {}; }
    bool isOptical(const QString&) const override { return false; }
    QString volumeOf(const QString&) const override { return {}; }
};

// Processor time this process has used, in seconds: the window's own work.
double ownProcessorSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Bench {
    QTemporaryDir dir;
    QString program;
    QString encoder;
    QStringList clips;
    QString list; // one clip a line, for the shell
    int round = 0;
    std::vector<double> processor; // the window's own, per file, each run

    QString freshFolder()
    {
        const QString folder = dir.filePath(QStringLiteral("out%1").arg(round++));
        QDir().mkpath(folder);
        return folder;
    }

    // The probe and the conversion of every clip, as the window runs them,
    // by bash: one after another, or `parallel` clips at once by xargs.
    double shell(int parallel)
    {
        const QString out = freshFolder();
        // $0 the encoder, $1 the output folder, $2 the list; a clip's output
        // takes its name.
        // The encoder's input is the null device, as the window gives it: one
        // that reads the list would eat the clips still to come.
        const QString one = QStringLiteral("\"$0\" -i \"$c\" </dev/null >/dev/null 2>&1; "
                                           "\"$0\" -i \"$c\" -vcodec mpeg4 -vb 5000k \"$1/${c##*/}\" </dev/null >/dev/null 2>&1");
        const QString script =
            parallel == 0
                ? QStringLiteral("while read -r c; do %1; done < \"$2\"").arg(one)
                : QStringLiteral("xargs -P %2 -I{} bash -c 'c=\"$2\"; %1' \"$0\" \"$1\" {} < \"$2\"").arg(one).arg(parallel);
        QElapsedTimer clock;
        clock.start();
        QProcess::execute(QStringLiteral("bash"), {QStringLiteral("-c"), script, encoder, out, list});
        const double seconds = clock.nsecsElapsed() / 1e9;
        if (const qsizetype made = QDir(out).entryList(QDir::Files).size(); made != kClips)
            std::fprintf(stderr, "the shell made %lld of %d outputs\n", qint64(made), kClips);
        return seconds;
    }

    double window(int lanes)
    {
        Quiet quiet;
        frmMain form({quiet, quiet, quiet, quiet}, program);
        form.show();
        form.batch().setLanes(lanes);
        form.presets().visibleFormat.select(0);
        form.rotation().choices.select(5);
        form.widgets().txtPath->setText(freshFolder());
        for (const QString& clip : std::as_const(clips))
            form.queue().addEntry(clip);
        QEventLoop done;
        QObject::connect(&form.batch(), &BatchDriver::batchFinished, &done, &QEventLoop::quit);
        QElapsedTimer clock;
        clock.start();
        const double before = ownProcessorSeconds();
        QTimer::singleShot(0, form.widgets().Command3, &QPushButton::click);
        done.exec();
        const double seconds = clock.nsecsElapsed() / 1e9;
        processor.push_back((ownProcessorSeconds() - before) / kClips);
        int converted = 0;
        for (const ConversionResult& r : form.batch().results())
            converted += r.ok;
        if (converted != kClips)
            std::fprintf(stderr, "only %d of %d converted\n", converted, kClips);
        form.close();
        return seconds;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    // A session bus, as a desktop has one: the window talks to it during a batch.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") && !qEnvironmentVariableIsSet("TARNWICK_BENCH_NO_BUS")) {
        std::vector<char*> again{const_cast<char*>("dbus-run-session"), const_cast<char*>("--")};
        for (int i = 0; i < argc; ++i)
            again.push_back(argv[i]);
        again.push_back(nullptr);
        qputenv("TARNWICK_BENCH_NO_BUS", "1"); // once only, should dbus-run-session fail to give one
        ::execvp("dbus-run-session", again.data());
        std::fprintf(stderr, "dbus-run-session is not there: running without a session bus\n");
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Bench bench;
    qputenv("XDG_DATA_HOME", bench.dir.filePath("data").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", bench.dir.filePath("config").toLocal8Bit());
    QApplication app(argc, argv);
    const int pairs = argc > 1 ? qMax(1, atoi(argv[1])) : 3;
    const int cores = qMax(1, QThread::idealThreadCount());

    bench.program = bench.dir.filePath("program");
    QDir().mkpath(bench.program + "/data");
    bench.encoder = bench.program + "/data/conv.exe";
    QFile::link(QStringLiteral(TARNWICK_FFMPEG), bench.encoder);
    const QString first = bench.dir.filePath("clips/clip01.mp4");
    QDir().mkpath(bench.dir.filePath("clips"));
    QProcess::execute(QStringLiteral(TARNWICK_FFMPEG),
                      {"-nostdin", "-v", "error", "-f", "lavfi", "-i", "testsrc=size=640x360:rate=25:duration=8", "-f",
                       "lavfi", "-i", "sine=frequency=440:duration=8", "-c:v", "libx264", "-c:a", "aac", "-shortest",
                       first});
    QFile list(bench.dir.filePath("clips.txt"));
    list.open(QIODevice::WriteOnly);
    for (int i = 1; i <= kClips; ++i) {
        const QString clip = bench.dir.filePath(QStringLiteral("clips/clip%1.mp4").arg(i, 2, 10, QChar(u'0')));
        if (i > 1)
            QFile::copy(first, clip);
        bench.clips << clip;
        list.write(clip.toLocal8Bit() + '\n');
    }
    list.close();
    bench.list = list.fileName();

    std::printf("%d clips of 8 s, 640x360 H.264/AAC, to MP4 (MPEG-4); %d cores; session bus: %s\n", kClips, cores,
                qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") ? "none" : "yes");
    std::fflush(stdout);

    std::vector<double> windows, shells, ratios;
    for (int i = 0; i < pairs; ++i) {
        const double w = bench.window(1);
        const double s = bench.shell(0);
        windows.push_back(w);
        shells.push_back(s);
        ratios.push_back(w / s);
    }
    std::printf("one lane:   window %.2f s, shell loop %.2f s, ratio %.3f (target <= 1.03); "
                "the window's processor time per file %.1f ms\n",
                median(windows), median(shells), median(ratios), median(bench.processor) * 1000);
    bench.processor.clear();
    std::fflush(stdout);

    int bestP = 1;
    double best = 0;
    for (int p = 1; p <= cores; ++p) {
        const double x = bench.shell(p);
        if (p == 1 || x < best) {
            best = x;
            bestP = p;
        }
    }
    windows.clear();
    shells.clear();
    ratios.clear();
    for (int i = 0; i < pairs; ++i) {
        const double w = bench.window(cores);
        const double x = bench.shell(bestP);
        windows.push_back(w);
        shells.push_back(x);
        ratios.push_back(w / x);
    }
    std::printf("%d lanes:    window %.2f s, best xargs (-P %d) %.2f s, ratio %.3f (target <= 1.05); "
                "the window's processor time per file %.1f ms\n",
                cores, median(windows), bestP, median(shells), median(ratios), median(bench.processor) * 1000);
    return 0;
}
