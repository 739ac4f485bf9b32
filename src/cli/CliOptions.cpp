#include "cli/CliOptions.h"
#include "base/Text.h"
#include "job/RateControl.h"
#include "media/OutputFormats.h"

#include <QCommandLineParser>

namespace tarnwick::cli {

const QList<RotationName>& rotationNames()
{
    static const QList<RotationName> names{{"cw", 0},    {"ccw", 1}, {"vflip", 2},
                                           {"hflip", 3}, {"180", 4}, {"none", 5}};
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
std::optional<int> lookUp(const Names& names, const QString& value)
{
    for (const auto& entry : names) {
        if (value.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0)
            return entry.position;
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

} // namespace

Parsed parse(const QStringList& arguments, int cores)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    const QCommandLineOption format({"f", "format"}, {}, "NAME");
    const QCommandLineOption bitrate({"b", "bitrate"}, {}, "KBITS");
    const QCommandLineOption quality({"q", "quality"}, {}, "N");
    const QCommandLineOption size(QStringLiteral("size"), {}, "SIZE");
    const QCommandLineOption rotate({"r", "rotate"}, {}, "NAME");
    const QCommandLineOption output({"o", "output"}, {}, "DIR");
    const QCommandLineOption jobs({"j", "jobs"}, {}, "N");
    const QCommandLineOption start(QStringLiteral("start"), {}, "T");
    const QCommandLineOption end(QStringLiteral("end"), {}, "T");
    const QCommandLineOption disc(QStringLiteral("disc"), {}, "DIR");
    const QCommandLineOption madeFor(QStringLiteral("for"), {}, "NAME");
    const QCommandLineOption dryRun(QStringList{"n", "dry-run"});
    const QCommandLineOption web(QStringLiteral("web"));
    const QCommandLineOption sdr(QStringLiteral("sdr"));
    const QCommandLineOption crop(QStringLiteral("crop"));
    const QCommandLineOption loudness(QStringLiteral("loudness"), {}, "TARGET");
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption listFormats(QStringLiteral("list-formats"));
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version(QStringList{"v", "version"});
    parser.addOptions({format, bitrate, quality, size, rotate, output, jobs, disc, dryRun, web, sdr, json, listFormats,
                       help, version});
    parser.addOptions({start, end, crop, loudness, madeFor});
    if (!parser.parse(arguments))
        return failure(parser.errorText());

    Request request;
    request.help = parser.isSet(help);
    request.version = parser.isSet(version);
    request.listFormats = parser.isSet(listFormats);
    request.dryRun = parser.isSet(dryRun);
    request.web = parser.isSet(web);
    request.sdr = parser.isSet(sdr);
    request.crop = parser.isSet(crop);
    request.json = parser.isSet(json);
    for (const QCommandLineOption* single :
         {&format, &bitrate, &quality, &size, &rotate, &output, &jobs, &start, &end, &loudness, &madeFor}) {
        if (parser.values(*single).size() > 1)
            return failure(Texts::tr("--%1 given more than once").arg(single->names().constLast()));
    }
    if (parser.isSet(format)) {
        const OutputFormat* named = formatNamed(parser.value(format));
        if (!named)
            return failure(Texts::tr("unknown format '%1' (one of: %2)").arg(parser.value(format), formatNameList()));
        request.format = named;
    }
    if (parser.isSet(bitrate)) {
        bool ok = false;
        const QString text = parser.value(bitrate);
        const int value = text.toInt(&ok);
        if (!ok || value < 1 || value > 1000000 || text.startsWith(u'+'))
            return failure(
                Texts::tr(
                    "bitrate must be a whole number of kilobits per second (1 to 1000000): '%1'")
                    .arg(text));
        request.kilobits = value;
    }
    // One way to rate the picture: a bitrate, a quality or a size.
    if (parser.isSet(quality) + parser.isSet(size) + parser.isSet(bitrate) > 1)
        return failure(Texts::tr("--bitrate, --quality and --size each rate the picture: give one of them"));
    if (parser.isSet(quality) && !request.format->copies) {
        const QualityScale& scale = request.format->quality;
        const QString text = parser.value(quality);
        bool ok = false;
        const int value = text.toInt(&ok);
        if (!ok || text.startsWith(u'+') || !scale.takes(value))
            return failure(Texts::tr("quality for %1 must be a whole number from %2 (best) to %3: '%4'")
                               .arg(request.format->cliName)
                               .arg(scale.best)
                               .arg(scale.worst)
                               .arg(text));
        request.quality = value;
    }
    if (parser.isSet(size)) {
        const auto bytes = parseSize(parser.value(size));
        if (!bytes)
            return failure(Texts::tr("size must be a number of megabytes, or with K, M or G after it (25M, "
                                     "700MB, 4G): '%1'")
                               .arg(parser.value(size)));
        request.targetBytes = *bytes;
    }
    if (parser.isSet(loudness)) {
        const ParsedLoudness parsed = parseLoudness(parser.value(loudness));
        if (!parsed.error.isEmpty())
            return failure(parsed.error);
        request.loudness = parsed.target;
    }
    if (parser.isSet(madeFor)) {
        QStringList alsoGiven;
        for (const QCommandLineOption* chooses : {&format, &bitrate, &quality, &size}) {
            if (parser.isSet(*chooses))
                alsoGiven << QStringLiteral("--") + chooses->names().constLast();
        }
        if (const QString error = applyMadeFor(parser.value(madeFor), alsoGiven, request); !error.isEmpty())
            return failure(error);
    }
    if (parser.isSet(rotate)) {
        const auto position = lookUp(rotationNames(), parser.value(rotate));
        if (!position)
            return failure(Texts::tr("unknown rotation '%1' (one of: %2)")
                               .arg(parser.value(rotate), joined(rotationNames())));
        request.rotation = *position;
    }
    if (parser.isSet(output)) {
        request.output = parser.value(output);
        if (request.output.isEmpty())
            return failure(Texts::tr("--output needs a folder"));
    }
    if (parser.isSet(jobs)) {
        const QString text = parser.value(jobs);
        bool ok = false;
        const int value = text.toInt(&ok);
        if (text.compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0)
            request.jobs = qMax(1, cores);
        else if (ok && value >= 1 && value <= 256)
            request.jobs = value;
        else
            return failure(
                Texts::tr("--jobs takes a number from 1 to 256 or 'auto': '%1'").arg(text));
    }
    for (const auto& [option, bound] : {std::pair{&start, &request.range.start}, std::pair{&end, &request.range.end}}) {
        if (!parser.isSet(*option))
            continue;
        *bound = parseTime(parser.value(*option));
        if (!*bound)
            return failure(Texts::tr("--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or "
                                     "1:02:03.5): '%2'")
                               .arg(option->names().constFirst(), parser.value(*option)));
    }
    if (request.range.end && *request.range.end <= request.range.from())
        return failure(request.range.start
                           ? Texts::tr("--end (%1) must come after --start (%2)")
                                 .arg(parser.value(end), parser.value(start))
                           : Texts::tr("--end must come after the beginning: '%1'").arg(parser.value(end)));
    // A copy encodes nothing: a bitrate or a turn asked of it cannot be kept.
    if (request.format->copies) {
        if (request.kilobits)
            return failure(Texts::tr("--bitrate does not apply to copy, which re-encodes nothing"));
        if (parser.isSet(quality))
            return failure(Texts::tr("--quality does not apply to copy, which re-encodes nothing"));
        if (request.targetBytes > 0)
            return failure(Texts::tr("--size does not apply to copy, which re-encodes nothing"));
        if (request.rotation != 5)
            return failure(Texts::tr("--rotate does not apply to copy, which re-encodes nothing"));
        if (request.sdr)
            return failure(Texts::tr("--sdr does not apply to copy, which re-encodes nothing"));
        if (request.crop)
            return failure(Texts::tr("--crop does not apply to copy, which re-encodes nothing"));
    }
    request.discs = parser.values(disc);
    request.sources = parser.positionalArguments();
    const bool informational = request.help || request.version || request.listFormats;
    if (!informational && request.sources.isEmpty() && request.discs.isEmpty())
        return failure(Texts::tr("no SOURCE given"));
    return Parsed{request, {}};
}

} // namespace tarnwick::cli
