#include "cli/CliOptions.h"
#include "base/Text.h"
#include "job/RateControl.h"
#include "media/OutputFormats.h"

#include <QCommandLineParser>

namespace tarnwick::cli {

const QList<RotationName>& rotationNames()
{
    static const QList<RotationName> names{
        {"cw", RotationChoice::Clockwise},          {"ccw", RotationChoice::Anticlockwise},
        {"vflip", RotationChoice::VerticalMirror},  {"hflip", RotationChoice::HorizontalMirror},
        {"180", RotationChoice::HalfTurn},          {"none", RotationChoice::None}};
    return names;
}

QString usageLine()
{
    return Texts::tr("Usage: tarnwick-cli [options] SOURCE...");
}

namespace {

// The format names as the help lists them, wrapped under the option.
QString formatHelp()
{
    constexpr qsizetype kWidth = 78;
    const QString indent(25, u' ');
    QString text;
    QString line = indent;
    const QList<OutputFormat>& formats = outputFormats();
    for (qsizetype i = 0; i < formats.size(); ++i) {
        //: The first format in --help's list, the one used without --format.
        const QString name =
            i == 0 ? Texts::tr("%1 (default)").arg(formats[i].cliName) : formats[i].cliName;
        const QString word = name + (i + 1 < formats.size() ? QStringLiteral(",") : QString());
        if (line.size() > indent.size() &&
            terminalColumns(line) + 1 + terminalColumns(word) > kWidth) {
            text += line + u'\n';
            line = indent;
        }
        line += (line.size() > indent.size() ? QStringLiteral(" ") : QString()) + word;
    }
    return text + line;
}

} // namespace

QString helpText()
{
    // Each paragraph a text of its own: the option names and the words
    // after them (NAME, mp4, auto) are what the user types, the same in every language.
    return usageLine() + u'\n' +
           Texts::tr(
               "Converts video files with the FFmpeg encoder, one file per SOURCE or every\n"
               "file a folder search finds (a folder's own files, and the VOB and M2TS title\n"
               "files in the folders below it; links to folders are not followed).") +
           QStringLiteral("\n\n") +
           Texts::tr(
               "Options:\n"
               "  -f, --format NAME      the output format, one of:\n"
               "%1\n"
               "  -b, --bitrate KBITS    video bitrate in kilobits per second\n"
               "                         (default: the format's own, see --list-formats)\n"
               "  -r, --rotate NAME      none (default), cw, ccw, vflip, hflip, 180\n"
               "  -o, --output DIR       output folder, created if missing (default ./output)\n"
               "      --web              made for the web: MP4 and MOV files get their index\n"
               "                         at the front, so a browser plays them as they arrive\n"
               "      --sdr              HDR to SDR: HDR sources become SDR in every format;\n"
               "                         without it H.265, AV1 and VP9 keep HDR in 10 bits\n"
               "      --crop             crop the black bars the pictures agree on\n"
               "      --loudness TARGET  every file's sound at one loudness, true peaks\n"
               "                         under -1 dBTP: ebu (-23 LUFS), stream (-14),\n"
               "                         podcast (-16), or a number of LUFS, -40 to -5\n"
               "  -j, --jobs N           N conversions at once; \"auto\" for one per core\n"
               "      --disc DIR         queue a DVD's VIDEO_TS or a Blu-ray's BDMV/STREAM\n"
               "                         title files below DIR (repeatable)\n"
               "  -n, --dry-run          print each file's commands, convert nothing\n"
               "      --json             one JSON event per line on standard output\n"
               "      --list-formats     print the formats with their default bitrates\n"
               "  -h, --help             this text\n"
               "  -v, --version          the program's version")
               .arg(formatHelp()) +
           QStringLiteral("\n\n") +
           Texts::tr(
               "Instead of a bitrate:\n"
               "  -q, --quality N        constant quality on the format's own scale: the CRF\n"
               "                         of H.264, H.265, AV1 and VP9, the quantiser of\n"
               "                         MPEG-4, MPEG-1 and WMV; lower is better (see\n"
               "                         --list-formats for each scale and its default)\n"
               "      --size SIZE        the whole file, sound included, at most SIZE and\n"
               "                         close to it: 25M, 700MB, 4G, in decimal units as\n"
               "                         file managers count (1M = 1,000,000 bytes; MiB and\n"
               "                         GiB are binary); two passes where the encoder\n"
               "                         takes them") +
           QStringLiteral("\n\n") +
           madeForHelp() + QStringLiteral("\n\n") +
           Texts::tr("A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a\n"
                     "fraction if wanted (90, 1:30, 1:02:03.5):\n"
                     "      --start T          from T; copy begins at the key frame at or before T\n"
                     "      --end T            up to T; an end past a source's end is its end") +
           QStringLiteral("\n\n") +
           Texts::tr("Outputs are named <source name>_<hour><minute><second>.<extension>; a name\n"
                     "already taken gets _2, _3, ... Nothing in the output folder is overwritten,\n"
                     "and an output that did not finish is removed.") +
           QStringLiteral("\n\n") +
           Texts::tr("Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no\n"
                     "encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),\n"
                     "130 stopped by Ctrl+C or a termination signal.") +
           u'\n';
}

namespace {

template <typename Names>
auto lookUp(const Names& names, const QString& value) -> std::optional<decltype(names.front().choice)>
{
    for (const auto& entry : names) {
        if (value.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0)
            return entry.choice;
    }
    return std::nullopt;
}

template <typename Names>
QString joined(const Names& names)
{
    QStringList list;
    for (const auto& entry : names)
        list << QLatin1String(entry.name);
    return list.join(QStringLiteral(", "));
}

Parsed failure(const QString& error)
{
    return Parsed{std::nullopt, error};
}

// The request as the options given so far have made it, and what was typed.
struct RequestBuilder
{
    const QCommandLineParser& parser;
    Request& request;
    int cores;

    bool given(const char* name) const { return parser.isSet(QLatin1String(name)); }
};

// What a value does to the request: an empty text, or why the value is not one.
using TakeValue = QString (*)(RequestBuilder& building, const QString& value);

// One option: its names (the long one last), and either the word for its
// value and what the value does, or the switch it turns on.
struct CliOption
{
    QStringList names;
    QString valueName = {}; // empty: a switch
    TakeValue take = nullptr;
    bool Request::*turnsOn = nullptr;
    bool repeatable = false;

    QString longName() const { return names.constLast(); }
};

QString takeFormat(RequestBuilder& building, const QString& value)
{
    const OutputFormat* named = formatNamed(value);
    if (!named)
        return Texts::tr("unknown format '%1' (one of: %2)").arg(value, formatNameList());
    building.request.format = named;
    return {};
}

QString takeBitrate(RequestBuilder& building, const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 1 || value > 1000000 || text.startsWith(u'+'))
        return Texts::tr(
                   "bitrate must be a whole number of kilobits per second (1 to 1000000): '%1'")
            .arg(text);
    building.request.kilobits = value;
    return {};
}

// One way to rate the picture: a bitrate, a quality or a size. Judged
// before the quality or the size is read, after the bitrate.
QString oneRate(const RequestBuilder& building)
{
    if (building.given("quality") + building.given("size") + building.given("bitrate") > 1)
        return Texts::tr("--bitrate, --quality and --size each rate the picture: give one of them");
    return {};
}

QString takeQuality(RequestBuilder& building, const QString& text)
{
    if (const QString error = oneRate(building); !error.isEmpty())
        return error;
    Request& request = building.request;
    if (!request.format->takesPictureChoices())
        return {}; // refused with the rest a copy cannot take
    const QualityScale& scale = request.format->quality;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || text.startsWith(u'+') || !scale.takes(value))
        return Texts::tr("quality for %1 must be a whole number from %2 (best) to %3: '%4'")
            .arg(request.format->cliName)
            .arg(scale.best)
            .arg(scale.worst)
            .arg(text);
    request.quality = value;
    return {};
}

QString takeSize(RequestBuilder& building, const QString& text)
{
    if (const QString error = oneRate(building); !error.isEmpty())
        return error;
    const auto bytes = parseSize(text);
    if (!bytes)
        return Texts::tr("size must be a number of megabytes, or with K, M or G after it (25M, "
                         "700MB, 4G): '%1'")
            .arg(text);
    building.request.targetBytes = *bytes;
    return {};
}

QString takeLoudness(RequestBuilder& building, const QString& text)
{
    const ParsedLoudness parsed = parseLoudness(text);
    if (parsed.error.isEmpty())
        building.request.loudness = parsed.target;
    return parsed.error;
}

QString takeMadeFor(RequestBuilder& building, const QString& name)
{
    QStringList alsoGiven;
    for (const char* chooses : {"format", "bitrate", "quality", "size"}) {
        if (building.given(chooses))
            alsoGiven << QStringLiteral("--") + QLatin1String(chooses);
    }
    return applyMadeFor(name, alsoGiven, building.request);
}

QString takeRotation(RequestBuilder& building, const QString& name)
{
    const auto choice = lookUp(rotationNames(), name);
    if (!choice)
        return Texts::tr("unknown rotation '%1' (one of: %2)").arg(name, joined(rotationNames()));
    building.request.rotation = *choice;
    return {};
}

QString takeOutput(RequestBuilder& building, const QString& folder)
{
    building.request.output = folder;
    return folder.isEmpty() ? Texts::tr("--output needs a folder") : QString();
}

QString takeJobs(RequestBuilder& building, const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (text.compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0)
        building.request.jobs = qMax(1, building.cores);
    else if (ok && value >= 1 && value <= 256)
        building.request.jobs = value;
    else
        return Texts::tr("--jobs takes a number from 1 to 256 or 'auto': '%1'").arg(text);
    return {};
}

QString takeTime(const QString& option, const QString& text, std::optional<double>& bound)
{
    bound = parseTime(text);
    if (bound)
        return {};
    return Texts::tr("--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or "
                     "1:02:03.5): '%2'")
        .arg(option, text);
}

QString takeStart(RequestBuilder& building, const QString& text)
{
    return takeTime(QStringLiteral("start"), text, building.request.range.start);
}

QString takeEnd(RequestBuilder& building, const QString& text)
{
    return takeTime(QStringLiteral("end"), text, building.request.range.end);
}

QString takeDisc(RequestBuilder& building, const QString& folder)
{
    building.request.discs << folder;
    return {};
}

// In the order the request is built: the format before what depends on it
// (the quality's scale, --for's refusal of a format beside it).
const QList<CliOption>& cliOptions()
{
    static const QList<CliOption> options{
        {.names = {"f", "format"}, .valueName = "NAME", .take = takeFormat},
        {.names = {"b", "bitrate"}, .valueName = "KBITS", .take = takeBitrate},
        {.names = {"q", "quality"}, .valueName = "N", .take = takeQuality},
        {.names = {"size"}, .valueName = "SIZE", .take = takeSize},
        {.names = {"loudness"}, .valueName = "TARGET", .take = takeLoudness},
        {.names = {"for"}, .valueName = "NAME", .take = takeMadeFor},
        {.names = {"r", "rotate"}, .valueName = "NAME", .take = takeRotation},
        {.names = {"o", "output"}, .valueName = "DIR", .take = takeOutput},
        {.names = {"j", "jobs"}, .valueName = "N", .take = takeJobs},
        {.names = {"start"}, .valueName = "T", .take = takeStart},
        {.names = {"end"}, .valueName = "T", .take = takeEnd},
        {.names = {"disc"}, .valueName = "DIR", .take = takeDisc, .repeatable = true},
        {.names = {"n", "dry-run"}, .turnsOn = &Request::dryRun},
        {.names = {"web"}, .turnsOn = &Request::web},
        {.names = {"sdr"}, .turnsOn = &Request::sdr},
        {.names = {"crop"}, .turnsOn = &Request::crop},
        {.names = {"json"}, .turnsOn = &Request::json},
        {.names = {"list-formats"}, .turnsOn = &Request::listFormats},
        {.names = {"h", "help"}, .turnsOn = &Request::help},
        {.names = {"v", "version"}, .turnsOn = &Request::version},
    };
    return options;
}

// Every option given, into the request; why not, or empty.
QString takeOptions(RequestBuilder& building)
{
    const QCommandLineParser& parser = building.parser;
    for (const CliOption& option : cliOptions()) {
        if (!option.repeatable && parser.values(option.longName()).size() > 1)
            return Texts::tr("--%1 given more than once").arg(option.longName());
    }
    for (const CliOption& option : cliOptions()) {
        if (!parser.isSet(option.longName()))
            continue;
        if (option.turnsOn)
            building.request.*option.turnsOn = true;
        for (const QString& value : parser.values(option.longName())) {
            if (const QString error = option.take(building, value); !error.isEmpty())
                return error;
        }
    }
    return {};
}

QString rangeProblem(const RequestBuilder& building)
{
    const TimeRange& range = building.request.range;
    if (range.endsAfterStart())
        return {};
    const QString end = building.parser.value(QStringLiteral("end"));
    return range.start ? Texts::tr("--end (%1) must come after --start (%2)")
                             .arg(end, building.parser.value(QStringLiteral("start")))
                       : Texts::tr("--end must come after the beginning: '%1'").arg(end);
}

// A copy encodes nothing: a rate, a turn or a change of the picture asked
// of it cannot be kept.
QString copyProblem(const RequestBuilder& building)
{
    const Request& request = building.request;
    if (request.format->takesPictureChoices())
        return {};
    if (request.kilobits)
        return Texts::tr("--bitrate does not apply to copy, which re-encodes nothing");
    if (building.given("quality"))
        return Texts::tr("--quality does not apply to copy, which re-encodes nothing");
    if (request.targetBytes > 0)
        return Texts::tr("--size does not apply to copy, which re-encodes nothing");
    if (request.rotation != RotationChoice::None)
        return Texts::tr("--rotate does not apply to copy, which re-encodes nothing");
    if (request.sdr)
        return Texts::tr("--sdr does not apply to copy, which re-encodes nothing");
    if (request.crop)
        return Texts::tr("--crop does not apply to copy, which re-encodes nothing");
    return {};
}

} // namespace

Parsed parse(const QStringList& arguments, int cores)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    for (const CliOption& option : cliOptions())
        parser.addOption(QCommandLineOption(option.names, QString(), option.valueName));
    if (!parser.parse(arguments))
        return failure(parser.errorText());

    Request request;
    RequestBuilder building{parser, request, cores};
    QString error = takeOptions(building);
    if (error.isEmpty())
        error = rangeProblem(building);
    if (error.isEmpty())
        error = copyProblem(building);
    if (!error.isEmpty())
        return failure(error);
    request.sources = parser.positionalArguments();
    const bool informational = request.help || request.version || request.listFormats;
    if (!informational && request.sources.isEmpty() && request.discs.isEmpty())
        return failure(Texts::tr("no SOURCE given"));
    return Parsed{request, {}};
}

} // namespace tarnwick::cli
