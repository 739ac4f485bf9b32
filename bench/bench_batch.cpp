// A batch of 20 short clips through the batch driver against the same 40
// encoder command lines (probe and conversion per file) run directly one
// after another. Prints the ratio of the wall times (target <= 1.03) and the
// program's own time per file (target < 20 ms).

#include "engine/BatchDriver.h"
#include "engine/Converter.h"
#include "job/ConversionJob.h"
#include "job/EncoderCommand.h"
#include "job/OutputNames.h"
#include "settings/Options.h"
#include "settings/OutputPresets.h"
#include "media/Rotation.h"
#include "process/ProcessRunner.h"
#include "platform/Messages.h"
#include "sources/Queue.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTime>

#include <cstdio>

using namespace tarnwick;

namespace {
class Quiet final : public Messages
{
public:
    void show(const QString& text, const QString&, MessageIcon) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
};

bool run(const QString& program, const QStringList& arguments)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.setStandardInputFile(QProcess::nullDevice());
    child.start(program, arguments);
    child.waitForFinished(-1);
    child.readAll();
    return child.exitCode() == 0;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString programFolder = QStringLiteral(TARNWICK_PROGRAM_DIR);
    QTemporaryDir dir;
    QStringList clips;
    for (int i = 0; i < 20; ++i) {
        const QString clip = dir.filePath(QString("clip%1.mp4").arg(i));
        run(QStringLiteral(TARNWICK_FFMPEG),
            {"-nostdin", "-v", "error", "-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=1",
             "-c:v", "mpeg4", clip});
        clips << clip;
    }

    // Direct: the same command lines, one after another; run before and
    // after the batch, so that warm caches favour neither side.
    int round = 0;
    const auto directRun = [&] {
        const QString folder = dir.filePath(QString("direct%1/").arg(round++));
        QDir().mkpath(folder);
        QElapsedTimer clock;
        clock.start();
        for (const QString& clip : std::as_const(clips)) {
            const ConsoleCommand probe = probeCommand(programFolder, clip);
            run(probe.program(), probe.arguments());
            const auto convert = conversionCommand(programFolder, clip, 4, 1000, {},
                                                   outputFilePath(folder, clip, ".mp4", QTime::currentTime()));
            run(convert->program(), convert->arguments());
        }
        return clock.nsecsElapsed() / 1e9;
    };
    const double directBefore = directRun();
    QElapsedTimer clock;

    Quiet seams;
    Queue queue;
    Converter converter(seams, programFolder);
    BatchDriver driver({queue, converter, seams});
    RunSettings settings;
    settings.outputFolder = dir.filePath("batch");
    settings.format = formatForIndex(4);
    settings.rate = RateControl::bitrate(1000);
    settings.rotationChoice = RotationChoice::None;
    for (const QString& clip : std::as_const(clips))
        queue.addEntry(clip);
    clock.restart();
    QEventLoop ended;
    QObject::connect(&driver, &BatchDriver::batchFinished, &ended, &QEventLoop::quit);
    driver.run(settings);
    if (driver.busy())
        ended.exec();
    const double batch = clock.nsecsElapsed() / 1e9;
    const double direct = (directBefore + directRun()) / 2;

    int converted = 0;
    for (const ConversionResult& r : driver.results())
        converted += r.ok;
    std::printf("batch of 20 clips: driver %.2f s, direct %.2f s, ratio %.3f (target <= 1.03), %d converted\n",
                batch, direct, batch / direct, converted);
    std::printf("program's own time per file: %.1f ms (target < 20 ms)\n", (batch - direct) / 20 * 1000);
    return 0;
}
