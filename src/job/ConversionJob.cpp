#include "job/ConversionJob.h"

#include "media/HdrFit.h"
#include "media/SourceFitRules.h"

#include "job/EncoderCommand.h"
#include "media/Rotation.h"

#include <QCoreApplication>

namespace tarnwick {

namespace {

// `sound`: the codec every audio track will be re-encoded in; empty: as they are.
bool takesCodecs(const Container& container, const SourceStreams& streams, const QString& sound)
{
    for (const VideoStream& video : streams.video) {
        if (!video.attachedPicture && !container.takesVideo(video.codec))
            return false;
    }
    for (const AudioStream& audio : streams.audio) {
        if (!container.takesAudio(sound.isEmpty() ? audio.codec : sound))
            return false;
    }
    return true;
}

bool hasBitmapSubtitles(const SourceStreams& streams)
{
    return std::any_of(streams.subtitles.begin(), streams.subtitles.end(),
                       [](const SubtitleStream& subtitle) { return subtitle.isBitmap(); });
}

// The first of the copy's containers that keeps every stream as it is and
// the picture's display rotation.
const Container* containerForCopy(const OutputFormat& copy, const SourceStreams& streams, const QString& sound = {})
{
    const VideoStream* video = streams.mainVideo();
    if (streams.kinds.isEmpty() || !video)
        return nullptr;
    const bool rotated = video->rotation != 0;
    const bool bitmaps = hasBitmapSubtitles(streams);
    for (const QString& muxer : copy.copyContainers) {
        const Container* container = containerNamed(muxer);
        if (!container || (rotated && !container->keepsRotation))
            continue;
        if (bitmaps && !container->bitmapSubtitles && !rotated)
            continue; // one further on keeps them
        if (takesCodecs(*container, streams, sound))
            return container;
    }
    return nullptr;
}

// The streams copied, each named; subtitles the container cannot take as
// they are become its own text subtitles, or stay behind.
SourceFit copyInto(const Container& container, const SourceStreams& streams)
{
    SourceFit fit;
    bool hevc = false;
    for (const VideoStream& video : streams.video) {
        if (!video.attachedPicture)
            fit.options << QStringLiteral("-map") << QStringLiteral("0:%1").arg(video.index);
        hevc = hevc || video.codec == u"hevc";
    }
    // Apple's players take H.265 only under the tag hvc1.
    if (hevc && container.keepsRotation)
        fit.options << QStringLiteral("-tag:v") << QStringLiteral("hvc1");
    for (const AudioStream& audio : streams.audio)
        fit.options << QStringLiteral("-map") << QStringLiteral("0:%1").arg(audio.index);
    int kept = 0;
    int left = 0;
    for (const SubtitleStream& subtitle : streams.subtitles) {
        const QString codec = subtitleCodec(subtitle, container.textSubtitles, container.bitmapSubtitles);
        if (codec.isEmpty()) {
            ++left;
            continue;
        }
        fit.options << QStringLiteral("-map") << QStringLiteral("0:%1").arg(subtitle.index);
        if (codec != u"copy")
            fit.options << QStringLiteral("-c:s:%1").arg(kept) << codec;
        ++kept;
    }
    fit.reasons << QStringLiteral("copy: every stream as it is into %1%2")
                       .arg(container.extension.mid(1).toUpper(),
                            left ? QStringLiteral(", %1 disc subtitles left out (the container takes none)").arg(left)
                                 : QString());
    // FFmpeg writes a Dolby Vision record into MP4 only when told that
    // it may: without it a player shows the bare base layer, or, where
    // there is none, wrong colours.
    const VideoStream* main = streams.mainVideo();
    if (main && main->dolbyVision.isDeclared() && container.muxer == u"mp4") {
        fit.options << QStringLiteral("-strict") << QStringLiteral("unofficial");
        fit.reasons << QStringLiteral("-strict unofficial: the Dolby Vision record kept");
    }
    return fit;
}

// A pass's options: x265 takes its pass among its own parameters, joined
// to those the source needed; the first pass leaves out what only a file
// takes (the null writer refuses the MP4 writer's flags).
QStringList passOptions(QStringList options, const OutputFormat& format, ConversionJob::Pass pass,
                        const QString& passLog)
{
    if (pass == ConversionJob::Pass::First) {
        const qsizetype flags = options.indexOf(QStringLiteral("-movflags"));
        if (flags >= 0)
            options.remove(flags, qMin<qsizetype>(2, options.size() - flags));
    }
    if (format.passes == Passes::X265) {
        // The stats path is one value among x265's "key=value:..." pairs.
        QString path = passLog + QStringLiteral(".x265.log");
        for (const QChar special : {u'\\', u':', u'=', u'\''})
            path.replace(special, QStringLiteral("\\") + special);
        const QString params = (pass == ConversionJob::Pass::First ? QStringLiteral("pass=1:slow-firstpass=0")
                                                                   : QStringLiteral("pass=2")) +
                               QStringLiteral(":stats=") + path;
        const qsizetype at = options.indexOf(QStringLiteral("-x265-params"));
        if (at >= 0 && at + 1 < options.size())
            options[at + 1] += u':' + params;
        else
            options << QStringLiteral("-x265-params") << params;
    }
    return options;
}

// Where the first pass ends: its encoder named, since some formats leave
// it to the extension, which the null writer has none of; and its frames
// timed as the file's writer times them (AVI, Matroska and WebM as they
// come, the others at a constant rate), or the second pass would count
// other frames than the first learnt.
QStringList firstPassEnd(const OutputFormat& format)
{
    static const QStringList variable{QStringLiteral("avi"), QStringLiteral("matroska"), QStringLiteral("webm")};
    return {QStringLiteral("-vcodec"), format.videoCodec,
            QStringLiteral("-fps_mode"), variable.contains(format.container) ? QStringLiteral("vfr") : QStringLiteral("cfr"),
            QStringLiteral("-an"), QStringLiteral("-sn"), QStringLiteral("-dn"),
            QStringLiteral("-f"), QStringLiteral("null"), QStringLiteral("-")};
}

// The picture made smaller as the size's plan chose: after the turn and
// the fits, before a tone map, which is quicker on fewer pixels.
void makeSmaller(ConversionJob& job, const VideoStream& video)
{
    const PictureSize& picture = job.sizePlan.picture;
    const bool sideways = video.quarterTurned() != (job.turn.quarterTurns() % 2 == 1);
    const QString scale = QStringLiteral("scale=%1:%2")
                              .arg(sideways ? picture.height : picture.width)
                              .arg(sideways ? picture.width : picture.height);
    const qsizetype toneMap = job.fit.filters.indexOf(toneMapFilter(video));
    job.fit.filters.insert(toneMap >= 0 ? toneMap : job.fit.filters.size(), scale);
    job.fit.reasons << job.sizePlan.smallerReason(scale);
}

const OutputFormat* formatOf(const RunSettings& settings)
{
    return settings.format;
}

} // namespace

QStringList ConversionJob::rateArguments() const
{
    if (!format.takesBitrate)
        return {};
    const auto kilobitsOf = [](int value) { return QString::number(value) + u'k'; };
    switch (rate.mode) {
    case RateControl::Mode::Quality: {
        const QualityScale& scale = format.quality;
        return QStringList{scale.option, QString::number(scale.orDefault(rate.quality))} + scale.alongside;
    }
    case RateControl::Mode::Size:
        return QStringList{QStringLiteral("-vb"), kilobitsOf(rate.kilobits), QStringLiteral("-b:a"),
                           kilobitsOf(format.audioKilobits)} +
               format.sizeOptions;
    case RateControl::Mode::Bitrate:
        break;
    }
    return {QStringLiteral("-vb"), kilobitsOf(rate.kilobits)};
}

// The text keeps the blanks the command has always shown: one after the
// rate, one after the (maybe empty) filter, one after the added options.
ConsoleCommand ConversionJob::command(const QString& programFolder, Pass pass, const QString& passLog) const
{
    ConsoleCommand::Builder builder(encoderPath(programFolder));
    builder.blank();
    // A range seeks the input and ends the output: both beside the input.
    if (const QStringList seek = seekArguments(); !seek.isEmpty())
        builder.arguments(seek).blank();
    builder.argument(QStringLiteral("-i")).blank().quoted(source).blank();
    // A second input, of nothing, makes the graph one of two inputs, which
    // FFmpeg ties to neither: the picture it gives takes no record of the
    // source's stream. The graph's one output goes to the file unasked, and
    // the sound and subtitles are chosen as without it.
    const bool unlinked = fit.unlinkedPicture >= 0;
    if (unlinked)
        builder.arguments({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                           QStringLiteral("nullsrc=s=16x16:r=1:d=1")})
            .blank();
    if (const QStringList cut = cutArguments(); !cut.isEmpty())
        builder.arguments(cut).blank();
    builder.arguments(format.arguments + rateArguments()).blank();
    if (const QStringList chain = videoFilters(); unlinked)
        builder.argument(QStringLiteral("-filter_complex"))
            .blank()
            .argument(QStringLiteral("[0:%1]%2;[1:v]nullsink").arg(fit.unlinkedPicture).arg(chain.join(u',')), true);
    else if (!chain.isEmpty())
        builder.argument(QStringLiteral("-vf")).blank().argument(chain.join(u','), turn.shownQuoted());
    builder.blank();
    const QStringList options = pass == Pass::Only ? fit.options : passOptions(fit.options, format, pass, passLog);
    if (!options.isEmpty())
        builder.arguments(options).blank();
    if (pass != Pass::Only && format.passes == Passes::FFmpeg) {
        builder.arguments({QStringLiteral("-pass"), pass == Pass::First ? QStringLiteral("1") : QStringLiteral("2"),
                           QStringLiteral("-passlogfile")});
        builder.blank().argument(passLog, true).blank();
    }
    // The first pass keeps nothing but its log: no sound, no file.
    if (pass == Pass::First)
        return builder.arguments(firstPassEnd(format)).build();
    return builder.quoted(output).build();
}

QList<ConsoleCommand> ConversionJob::commands(const QString& programFolder, const QString& passLog) const
{
    if (!takesTwoPasses())
        return {command(programFolder)};
    return {command(programFolder, Pass::First, passLog), command(programFolder, Pass::Second, passLog)};
}

std::optional<ConsoleCommand> conversionCommand(const QString& programFolder, const QString& sourcePath,
                                                int internalIndex, int kilobits, const RotationFilters& turn,
                                                const QString& outputPath)
{
    const OutputFormat* format = formatForIndex(internalIndex);
    if (!format)
        return std::nullopt;
    return conversionCommand(programFolder, sourcePath, *format, kilobits, turn, outputPath);
}

ConsoleCommand conversionCommand(const QString& programFolder, const QString& sourcePath,
                                 const OutputFormat& format, int kilobits, const RotationFilters& turn,
                                 const QString& outputPath, const SourceFit& fit)
{
    ConversionJob job;
    job.source = sourcePath;
    job.output = outputPath;
    job.format = format;
    job.extension = format.extension;
    job.rate = RateControl::bitrate(kilobits);
    job.turn = turn;
    job.fit = fit;
    return job.command(programFolder);
}

ConversionJob planJob(const SourceStreams& streams, const OutputFormat& chosen, const RateControl& rate,
                      const RotationFilters& turn, bool webOptimized, bool hdrToSdr, const PictureLook& look,
                      const QString& copySound)
{
    ConversionJob job;
    job.format = chosen;
    job.extension = chosen.extension;
    job.rate = rate;
    if (chosen.takesPictureChoices())
        job.turn = turn;
    bool mp4Family = chosen.isMp4Family();
    if (chosen.copies) {
        if (const Container* container = containerForCopy(chosen, streams, copySound)) {
            job.extension = container->extension;
            job.fit = copyInto(*container, streams);
            mp4Family = container->isMp4Family();
        } else if (const OutputFormat* converting = formatNamed(chosen.convertsBy)) {
            job.format = *converting;
            job.extension = converting->extension;
            job.rate = RateControl::bitrate(defaultBitrate(*converting).toInt()); // a copy was given none
            job.fit = fitSource(streams, *converting, job.turn, hdrToSdr, look);
            job.fit.reasons.prepend(QStringLiteral("converted to MP4 (H.264): no container keeps the source's "
                                                   "streams as they are"));
            mp4Family = converting->isMp4Family();
        }
    } else {
        job.fit = fitSource(streams, chosen, turn, hdrToSdr, look);
    }
    if (webOptimized && mp4Family) {
        job.fit.options << QStringLiteral("-movflags") << QStringLiteral("+faststart");
        job.fit.reasons << QStringLiteral("-movflags +faststart: made for the web, the index before the pictures");
    }
    if (!job.format.takesPictureChoices())
        return job;
    if (job.rate.mode == RateControl::Mode::Bitrate && job.rate.kilobits <= 0)
        job.rate.kilobits = defaultBitrate(job.format).toInt();
    if (job.rate.mode == RateControl::Mode::Quality)
        job.rate.quality = job.format.quality.orDefault(job.rate.quality);
    if (job.rate.mode == RateControl::Mode::Size) {
        job.sizePlan = planSize(streams, job.format, job.rate.targetBytes);
        job.rate.kilobits = qMax(1, job.sizePlan.videoKilobits);
        job.fit.reasons << job.sizePlan.reason();
        if (job.sizePlan.picture.lines > 0 && streams.mainVideo())
            makeSmaller(job, *streams.mainVideo());
    }
    return job;
}

namespace {

// The streams as the run sees them: a range lasts its part of the source,
// which is what a size is shared out over.
SourceStreams withinRange(SourceStreams streams, const TimeRange& range)
{
    if (const double part = range.isSet() ? range.lengthWithin(streams.duration) : 0; part > 0)
        streams.duration = part;
    return streams;
}

} // namespace

ConversionJob planJob(const QString& source, const ProbeResult& probed, const RunSettings& settings,
                      const TimeRange& range, const PictureLook& look)
{
    const OutputFormat& chosen = *formatOf(settings);
    // A copy brought to a loudness re-encodes its sound in the usual codec
    // of every container it picks from.
    ConversionJob job = planJob(withinRange(probed.streams, range), chosen, settings.rate,
                                Rotation::filtersFor(settings.rotationChoice, probed.declaredRotation),
                                settings.webOptimized, settings.hdrToSdr, look,
                                settings.loudness.isOff() ? QString() : QStringLiteral("aac"));
    job.source = source;
    job.range = range;
    return job;
}

QString refusal(const ProbeResult& probed, const RunSettings& settings, const TimeRange& range)
{
    // What cannot convert at all fails here, with nothing written for it.
    if (const QString reason = unconvertibleReason(probed.streams); !reason.isEmpty())
        return reason;
    if (const QString reason = range.problemWithin(probed.streams.duration); !reason.isEmpty())
        return reason;
    const OutputFormat* format = formatOf(settings);
    if (!format)
        return QCoreApplication::translate("tarnwick::Converter", "No output format is chosen");
    // Profile 5's picture is in Dolby's own colours, which no encoder here
    // can turn into any other: only a copy keeps it right. A copy converts
    // only when no container keeps the streams.
    const VideoStream* video = probed.streams.mainVideo();
    if (video && video->dolbyVision.needsDolbyPlayer() &&
        (!format->copies || !containerForCopy(*format, probed.streams)))
        return QCoreApplication::translate("tarnwick::Converter",
                                           "its picture is Dolby Vision profile %1, whose colours only a Dolby "
                                           "Vision player shows; Same as Source (Copy) keeps it as it is")
            .arg(video->dolbyVision.profile);
    if (settings.rate.mode == RateControl::Mode::Size && !format->copies) {
        if (const SizePlan plan = planSize(withinRange(probed.streams, range), *format, settings.rate.targetBytes);
            !plan.refusal.isEmpty())
            return plan.refusal;
    }
    return {};
}

} // namespace tarnwick
