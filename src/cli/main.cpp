// tarnwick-cli: the converter for terminals, scripts and schedulers. It
// drives the same session the window drives, without a display.

#include "base/Text.h"
#include "cli/CliOptions.h"
#include "cli/CliReport.h"
#include "cli/CliSeams.h"
#include "cli/TerminalColumns.h"
#include "engine/EncoderCheck.h"
#include "job/EncoderCommand.h"
#include "session/Session.h"
#include "process/SignalExit.h"
#include "language/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace tarnwick;
using namespace tarnwick::cli;

namespace {

enum Status { AllConverted = 0, SomeFailed = 1, BadUsage = 2, NoEncoder = 3, Interrupted = 130 };

bool stdoutIsTerminal()
{
#ifdef Q_OS_UNIX
    return ::isatty(STDOUT_FILENO) == 1;
#else
    return false;
#endif
}

// Three columns lined up on a terminal, by the columns each caption takes
// there (two for a Chinese character), however long a translation is.
void listFormats()
{
    QStringList captions;
    int captionColumns = 30;
    for (const OutputFormat& format : outputFormats()) {
        captions << QCoreApplication::translate(OutputPresets::kCaptionContext,
                                                format.caption.toUtf8().constData());
        captionColumns = qMax(captionColumns, terminalColumns(captions.last()));
    }
    // Under each format that encodes, its quality scale, its default
    // quality in the bitrates' column.
    QStringList scales;
    for (const OutputFormat& format : outputFormats()) {
        const QualityScale& scale = format.quality;
        //: A line under a format in --list-formats: its constant quality option and range.
        scales << (scale.isKnown() ? Texts::tr("quality %1, %2 (best) to %3").arg(scale.option).arg(scale.best).arg(scale.worst)
                                   : QString());
        captionColumns = qMax(captionColumns, terminalColumns(scales.last()));
    }
    for (qsizetype i = 0; i < captions.size(); ++i) {
        const OutputFormat& format = outputFormats().at(i);
        writeLine(stdout, padded(format.cliName, 9) + u' ' +
                              padded(captions.at(i), captionColumns) + u' ' +
                              (format.takesBitrate ? defaultBitrate(format) : QStringLiteral("-")));
        if (!scales.at(i).isEmpty())
            writeLine(stdout, padded(QString(), 9) + u' ' + padded(scales.at(i), captionColumns) + u' ' +
                                  QString::number(format.quality.byDefault));
    }
    // The places --for names, after a blank line, their format in the last column.
    writeLine(stdout, QString());
    for (const QString& line : madeForListing(captionColumns))
        writeLine(stdout, line);
}

void queueSources(Session& session, const Request& request)
{
    for (const QString& source : request.sources) {
        if (QFileInfo(source).isDir())
            session.sources().searchFolder(source);
        else
            session.sources().addFiles({source});
    }
    for (const QString& disc : request.discs)
        session.sources().searchDisc(disc);
    for (int row = 0; row < session.queue().displayCount(); ++row)
        session.queue().setRange(row, request.range);
}

// Runs the batch on the application's event loop until it ends.
void runBatch(BatchDriver& batch, const RunSettings& settings)
{
    const auto quit = [] { QCoreApplication::quit(); };
    const QMetaObject::Connection finished = QObject::connect(&batch, &BatchDriver::batchFinished, quit);
    const QMetaObject::Connection aborted = QObject::connect(&batch, &BatchDriver::aborted, quit);
    batch.run(settings);
    if (batch.busy())
        QCoreApplication::exec();
    QObject::disconnect(finished);
    QObject::disconnect(aborted);
}

// What the batch would run, as the engine plans it: each source probed
// and its job planned by the lanes, every output name held as the run
// would hold it, nothing run or written. One lane: the names come out in
// the queue's order every time.
void dryRun(Session& session, RunSettings settings)
{
    settings.planOnly = true;
    BatchDriver& batch = session.batch();
    batch.setLanes(1);
    // Every name as the clock reads when the run is asked for: the probes
    // take time, and a second passing between two of them would name the
    // outputs unlike one another.
    const QTime now = QTime::currentTime();
    batch.setClock([now] { return now; });
    runBatch(batch, settings);
    for (const ConversionResult& result : batch.results()) {
        writeLine(stdout, QStringLiteral("# ") + result.source);
        writeLine(stdout, result.plan.isEmpty() ? QStringLiteral("# not converted: ") + result.error : result.plan);
    }
}

// Why the arguments are not a request, as a tool in a terminal says it.
int refuseUsage(const QString& error)
{
    writeLine(stderr, QStringLiteral("tarnwick-cli: ") + error);
    writeLine(stderr, usageLine());
    writeLine(stderr, Texts::tr("Try 'tarnwick-cli --help' for more."));
    return BadUsage;
}

// --help, --version and --list-formats: what the program is, instead of a
// batch. False when none was asked for.
bool toldAboutItself(const Request& request)
{
    if (request.help)
        writeLine(stdout, helpText());
    else if (request.version)
        writeLine(stdout, QStringLiteral("tarnwick-cli ") + QCoreApplication::applicationVersion());
    else if (request.listFormats)
        listFormats();
    else
        return false;
    return true;
}

// The request's choices as they are: no list of the window stands between.
RunSettings settingsFor(const Request& request, const Session& session)
{
    RunSettings settings = session.runSettings();
    settings.format = request.format;
    settings.rate = RateControl::chosen(request.targetBytes, request.quality,
                                        request.kilobits.value_or(0)); // 0: the format's own
    settings.rotationChoice = request.rotation;
    settings.beep = false;
    settings.webOptimized = request.web;
    settings.hdrToSdr = request.sdr;
    settings.cropBlackBars = request.crop;
    settings.loudness = request.loudness;
    return settings;
}

// The batch run, each file reported as it goes; the status it ends with.
int runReported(Session& session, const RunSettings& settings, const Request& request)
{
    const QStringList sources = session.queue().pending();
    CliReport report(request.json ? CliReport::Mode::Json
                                  : stdoutIsTerminal() ? CliReport::Mode::Terminal : CliReport::Mode::Plain,
                     session.progress());
    SignalExit interrupt;
    report.queued(sources);

    // One engine for any number of lanes, as the window's.
    BatchDriver& batch = session.batch();
    batch.setLanes(request.jobs);
    QObject* const app = QCoreApplication::instance();
    QObject::connect(&batch, &BatchDriver::fileStarted, app,
                     [&](int index, int, const QString& source) { report.started(index, source); });
    QObject::connect(&batch, &BatchDriver::fileProgress, app,
                     [&](int index, double percent) { report.progress(index, percent); });
    QObject::connect(&batch, &BatchDriver::fileFinished, app,
                     [&](int index, const ConversionResult& result) { report.finished(index, result); });
    QObject::connect(&interrupt, &SignalExit::received, &batch, &BatchDriver::abort);
    runBatch(batch, settings);
    report.summary(interrupt.caught());
    if (interrupt.caught())
        return Interrupted;
    return report.failed() > 0 ? SomeFailed : AllConverted;
}

// The request's sources queued and converted, or planned on a dry run.
int convert(const Request& request)
{
    StderrMessages messages;
    NoDesktop desktop;
    const QString programFolder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    // Without the encoder nothing can be converted, nor shown as it would
    // be: one message before anything is made, and a status of its own.
    if (const QString problem = encoderProblem(programFolder); !problem.isEmpty()) {
        messages.show(problem, kProgramTitle, MessageIcon::Critical);
        return NoEncoder;
    }
    Session session(Services{messages, desktop, desktop, desktop}, programFolder);
    session.setOutputFolder(withTrailingSeparator(QDir::toNativeSeparators(QDir(request.output).absolutePath())));
    const RunSettings settings = settingsFor(request, session);

    queueSources(session, request);
    if (session.queue().pending().isEmpty()) {
        writeLine(stderr, QStringLiteral("tarnwick-cli: ") + Texts::tr("nothing to convert"));
        return SomeFailed;
    }
    if (request.dryRun) {
        dryRun(session, settings);
        return AllConverted;
    }
    if (const QString problem = prepareOutputFolder(settings.outputFolder); !problem.isEmpty()) {
        messages.show(problem, kProgramTitle, MessageIcon::Exclamation);
        return SomeFailed;
    }
    return runReported(session, settings, request);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarnwick-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARNWICK_VERSION));
    Translations translations;
    translations.load(Translations::wantedLanguages(QLocale::system()),
                      Translations::folderOf(QCoreApplication::applicationDirPath()));

    const Parsed parsed = parse(QCoreApplication::arguments(), QThread::idealThreadCount());
    if (!parsed.request)
        return refuseUsage(parsed.error);
    const Request& request = *parsed.request;
    // The events are for programs: the same in every language, reasons included.
    if (request.json)
        translations.unload();
    if (toldAboutItself(request))
        return AllConverted;
    return convert(request);
}
