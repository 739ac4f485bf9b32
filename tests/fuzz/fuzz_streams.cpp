// The stream scan over a probe's description, and the options a source
// gets for each format: whatever FFmpeg printed, the additions stay within
// what the command line can carry.
#include "FuzzCheck.h"

#include "job/ConversionJob.h"
#include "media/SourceFitRules.h"
#include "job/EncoderCommand.h"
#include "media/Rotation.h"
#include "support/CommandText.h"

using namespace tarnwick;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const auto choice = RotationChoice(data[0] % 6);
    const QString description = fuzz::text(data + 1, size - 1);
    const SourceStreams streams = scanDescription(description, QStringLiteral("in.mp4"));
    for (const VideoStream& video : streams.video) {
        FUZZ_CHECK(video.width >= 0 && video.height >= 0);
        FUZZ_CHECK(video.rotation == 0 || video.rotation == 90 || video.rotation == 180 || video.rotation == 270);
        FUZZ_CHECK(video.frameRate >= 0 && video.sarNum > 0 && video.sarDen > 0);
        FUZZ_CHECK(video.bitDepth >= 0 && video.bitDepth <= 16);
        FUZZ_CHECK(video.maxCll >= 0 && video.maxCll <= 10000 && video.maxFall >= 0 && video.maxFall <= 10000);
        FUZZ_CHECK(video.mastering.maxLuminance >= 0 && video.mastering.maxLuminance <= 10000);
        // Colour names reach the command line: FFmpeg's own words only.
        for (const QString& name : {video.range, video.matrix, video.primaries, video.transfer}) {
            for (const QChar c : name)
                FUZZ_CHECK((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'-' || c == u'_');
        }
    }
    for (const AudioStream& audio : streams.audio)
        FUZZ_CHECK(audio.channels >= 0 && audio.sampleRate >= 0);
    if (!streams.described)
        FUZZ_CHECK(streams.kinds.isEmpty());
    const QString reason = unconvertibleReason(streams);

    const RotationFilters rotate = Rotation::filtersFor(choice, QStringLiteral("0"));
    for (const OutputFormat& format : outputFormats()) {
        const SourceFit fit = fitSource(streams, format, rotate);
        FUZZ_CHECK(fit.isEmpty() == fit.reasons.isEmpty());
        // Every addition is one plain word: no blank or quote of the source's
        // text can reach the command line through it.
        for (const QString& word : fit.firstFilters + fit.filters + fit.options)
            FUZZ_CHECK(!word.isEmpty() && !word.contains(u' ') && !word.contains(u'"'));
        const ConsoleCommand command =
            conversionCommand(QStringLiteral("/p"), QStringLiteral("in.mp4"), format, 5000, rotate,
                              QStringLiteral("/o/out") + format.extension, fit);
        FUZZ_CHECK(command.arguments().count(QStringLiteral("-vf")) <= 1);
        // The text shown is the list the encoder is given.
        FUZZ_CHECK(test::splitCommandText(command.text()) == QStringList{command.program()} + command.arguments());
        // A deinterlacer works on the fields as they were filmed: before any turn.
        if (!fit.firstFilters.isEmpty()) {
            // A tone-mapped picture's chain is a graph fed by the source's stream.
            const QStringList& arguments = command.arguments();
            const bool graph = fit.unlinkedPicture >= 0;
            const qsizetype vf = arguments.indexOf(graph ? QStringLiteral("-filter_complex") : QStringLiteral("-vf"));
            const QString head = graph ? QStringLiteral("[0:%1]").arg(fit.unlinkedPicture) : QString();
            FUZZ_CHECK(vf >= 0 && arguments.value(vf + 1).startsWith(head + fit.firstFilters.join(u',')));
        }
        FUZZ_CHECK(command.arguments().last() == QStringLiteral("/o/out") + format.extension);
        if (fit.isEmpty())
            FUZZ_CHECK(command == conversionCommand(QStringLiteral("/p"), QStringLiteral("in.mp4"), format,
                                                    5000, rotate,
                                                    QStringLiteral("/o/out") + format.extension));
    }
    // HDR to SDR chosen: the same bounds.
    for (const OutputFormat& format : outputFormats()) {
        const SourceFit fit = fitSource(streams, format, rotate, true);
        FUZZ_CHECK(fit.isEmpty() == fit.reasons.isEmpty());
        for (const QString& word : fit.filters + fit.options)
            FUZZ_CHECK(!word.isEmpty() && !word.contains(u' ') && !word.contains(u'"'));
    }
    (void)reason;
    return 0;
}
