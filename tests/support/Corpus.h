#pragma once

// Sources made with Debian's real encoders the way phones, cameras, screen
// recorders, discs and downloads make them, and what an independent reader
// says of a converted file.

#include "support/Mp4Boxes.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>

#include <cmath>

namespace tarnwick::test {

struct CorpusSource {
    QString name;        // file name, its extension the container
    QStringList encode;  // FFmpeg's arguments after its inputs' common ones
    QString rotate;      // written afterwards by a stream copy, as phones declare it
    QByteArray boxes = {}; // MP4 boxes added to the video's sample entry last (Mp4Boxes.h)
    // The formats its table converts it to; empty: every one. A source the
    // look at the pictures is for costs that look in each, and needs no more.
    QStringList formats = {};
    // Film telecined from this picture: converted, it holds each of the
    // master's frames once, in order.
    QString master = {};
};

// The formats a source converts to where one encoder of each kind is enough.
inline QStringList someFormats()
{
    return {QStringLiteral("mp4-h264"), QStringLiteral("mpg")};
}

// A few seconds each, small sizes: the whole set converts in every format
// within a few minutes on two cores.
inline QList<CorpusSource> deviceCorpus()
{
    const QString t = QStringLiteral("4");
    const QString picture = QStringLiteral("testsrc2=size=%1:rate=%2:duration=") + t;
    const QString tone = QStringLiteral("sine=frequency=%1:sample_rate=%2:duration=") + t;
    const auto in = [](const QString& graph) { return QStringList{"-f", "lavfi", "-i", graph}; };
    const auto surround = [&](const QString& layout, int rate) {
        return in(tone.arg(440).arg(rate) + ",aformat=channel_layouts=" + layout);
    };
    QList<CorpusSource> corpus;
    corpus << CorpusSource{"phone-h264.mp4",
                           in(picture.arg("320x240", "25")) + in(tone.arg(440).arg(44100)) +
                               QStringList{"-ac", "2", "-c:v", "libx264", "-pix_fmt", "yuv420p", "-c:a", "aac"},
                           {}};
    corpus << CorpusSource{"camcorder-422-10bit.mov",
                           in(picture.arg("320x240", "30000/1001")) + in(tone.arg(440).arg(48000)) +
                               QStringList{"-ac", "2", "-c:v", "libx264", "-pix_fmt", "yuv422p10le", "-c:a",
                                           "pcm_s24le"},
                           {}};
    corpus << CorpusSource{"screen-444-odd.mkv",
                           in(picture.arg("322x242", "30")) +
                               QStringList{"-vf", "format=yuv444p,crop=321:241:0:0", "-c:v", "libx264", "-qp", "0"},
                           {}};
    corpus << CorpusSource{"phone-hevc10-rotated.mp4",
                           in(picture.arg("320x180", "30")) + in(tone.arg(440).arg(48000)) +
                               QStringList{"-c:v", "libx265", "-pix_fmt", "yuv420p10le", "-x265-params",
                                           "log-level=error", "-tag:v", "hvc1", "-c:a", "aac"},
                           QStringLiteral("90")};
    corpus << CorpusSource{"camera-mjpeg-15fps.avi",
                           in(picture.arg("320x240", "15")) + in(tone.arg(440).arg(16000)) +
                               QStringList{"-c:v", "mjpeg", "-pix_fmt", "yuvj422p", "-c:a", "pcm_s16le"},
                           {}};
    corpus << CorpusSource{"download-vp9.webm",
                           in(picture.arg("320x240", "30")) + in(tone.arg(440).arg(48000)) +
                               QStringList{"-ac", "2", "-c:v", "libvpx-vp9", "-b:v", "300k", "-deadline", "realtime",
                                           "-c:a", "libopus"},
                           {}};
    corpus << CorpusSource{"dvd-title.vob",
                           in(picture.arg("720x480", "30000/1001")) + surround("5.1", 48000) +
                               QStringList{"-target", "ntsc-dvd", "-aspect", "16:9"},
                           {}};
    corpus << CorpusSource{"bluray-stream.m2ts",
                           in(picture.arg("1280x720", "24000/1001")) + surround("5.1(side)", 48000) +
                               QStringList{"-c:v", "libx264", "-preset", "ultrafast", "-c:a", "ac3"},
                           {}};
    corpus << CorpusSource{"screen-vfr.mp4",
                           in(picture.arg("320x240", "30")) + in(tone.arg(440).arg(44100)) +
                               QStringList{"-vf", "setpts='if(lt(N,40),N/30/TB,(40+(N-40)*2)/30/TB)'", "-c:v",
                                           "libx264", "-vsync", "vfr", "-c:a", "aac", "-t", t},
                           {}};
    corpus << CorpusSource{"tracks-subtitles.mkv",
                           in(picture.arg("320x240", "25")) + in(tone.arg(440).arg(48000)) +
                               in(tone.arg(880).arg(48000)) +
                               QStringList{"-f", "srt", "-i", "SUBTITLES", "-map", "0", "-map", "1", "-map", "2",
                                           "-map", "3", "-c:v", "libx264", "-c:a", "aac", "-c:s", "srt",
                                           "-metadata:s:a:0", "title=Main", "-metadata:s:a:1", "title=Commentary",
                                           "-metadata:s:s:0", "title=English"},
                           {}};
    corpus << CorpusSource{"studio-96k-71.mkv",
                           in(picture.arg("320x240", "12")) + surround("7.1", 96000) +
                               QStringList{"-c:v", "libx264", "-c:a", "flac"},
                           {}};
    // Black bars: a 2.39:1 film in 16:9 ending in a fade to black, a 4:3
    // programme in a 16:9 broadcast; and a night scene filling its frame,
    // its darkest parts below black's limit.
    const QStringList bars{"-c:v", "libx264", "-preset", "ultrafast", "-g", "24", "-c:a", "aac"};
    corpus << CorpusSource{"scope-letterboxed.mp4",
                           in(picture.arg("640x268", "24")) + in(tone.arg(440).arg(48000)) +
                               QStringList{"-vf", "pad=640:360:0:46:black,fade=out:st=3:d=1"} + bars,
                           {}, {}, someFormats()};
    corpus << CorpusSource{"tv-pillarboxed.ts",
                           in(picture.arg("480x360", "25")) + in(tone.arg(440).arg(48000)) +
                               QStringList{"-vf", "pad=640:360:80:0:black"} + bars,
                           {}, {}, someFormats()};
    corpus << CorpusSource{"night-full-frame.mp4",
                           in(picture.arg("640x360", "25")) + in(tone.arg(440).arg(48000)) +
                               QStringList{"-vf", "eq=brightness=-0.36:contrast=0.5,gblur=sigma=3"} + bars,
                           {}, {}, someFormats()};
    return corpus;
}

// Filmed in fields, as DVDs, DVD recorders, camcorder tapes and 1080i
// television carry it: 50 or 59.94 pictures a second, every other line of
// each taken into one field, two fields woven into a frame and coded as
// interlaced. The picture is blurred a little: FFmpeg's interlace detector
// takes testsrc2's sharp lines for combs even in whole frames.
inline QList<CorpusSource> interlacedCorpus()
{
    const QString t = QStringLiteral("3");
    const QString picture = QStringLiteral("testsrc2=size=%1:rate=%2:duration=") + t + QStringLiteral(",gblur=sigma=1.5");
    const QString tone = QStringLiteral("sine=frequency=440:sample_rate=48000:duration=") + t;
    const auto in = [](const QString& graph) { return QStringList{"-f", "lavfi", "-i", graph}; };
    const auto fields = [](const char* order) {
        return QStringList{"-vf", QStringLiteral("tinterlace=interleave_%1,setfield=%2")
                                      .arg(QLatin1String(order), QLatin1String(order[0] == 't' ? "tff" : "bff"))};
    };
    const QStringList interlacedCoding{"-flags", "+ilme+ildct"};
    QList<CorpusSource> corpus;
    corpus << CorpusSource{"dvd-pal.vob",
                           in(picture.arg("720x576", "50")) + in(tone) + fields("top") +
                               QStringList{"-target", "pal-dvd", "-ac", "2"} + interlacedCoding + QStringList{"-top", "1"},
                           {}};
    corpus << CorpusSource{"recorder-ntsc.mpg",
                           in(picture.arg("720x480", "60000/1001")) + in(tone) + fields("top") +
                               QStringList{"-c:v", "mpeg2video", "-b:v", "6000k", "-maxrate", "9000k", "-bufsize",
                                           "1835k", "-c:a", "mp2", "-ac", "2", "-f", "vob"} +
                               interlacedCoding + QStringList{"-top", "1"},
                           {}};
    corpus << CorpusSource{"camcorder-dv.avi",
                           in(picture.arg("720x576", "50")) + in(tone) + fields("bottom") +
                               QStringList{"-c:v", "dvvideo", "-pix_fmt", "yuv420p", "-c:a", "pcm_s16le", "-ac", "2"},
                           {}};
    // 1080i television, scaled down to keep the slow encoders quick, still
    // coded as fields.
    corpus << CorpusSource{"tv-1080i.m2ts",
                           in(picture.arg("960x540", "50")) + in(tone) + fields("top") +
                               QStringList{"-c:v", "libx264", "-preset", "ultrafast", "-c:a", "ac3", "-ac", "2"} +
                               interlacedCoding,
                           {}};
    // NTSC film: 24 pictures a second, telecined by 3:2 pulldown.
    const QString film = picture.arg("720x480", "24000/1001");
    corpus << CorpusSource{"film-ntsc-telecined.vob",
                           in(film) + in(tone) +
                               QStringList{"-vf", "telecine=first_field=top:pattern=23,setfield=tff", "-target",
                                           "ntsc-dvd", "-aspect", "16:9", "-ac", "2", "-top", "1"} +
                               interlacedCoding,
                           {}, {}, someFormats(), film};
    // Progressive for a second and a half, interlaced after, as a trailer
    // spliced before a programme: two streams joined, the first pictures
    // described as progressive.
    const QStringList part{"-c:v", "mpeg2video", "-b:v", "6000k", "-g", "15"};
    corpus << CorpusSource{"parts/mixed-1.m2v", in(picture.arg("720x480", "30000/1001")) + QStringList{"-t", "1.5"} + part,
                           {}};
    corpus << CorpusSource{"parts/mixed-2.m2v",
                           in(picture.arg("720x480", "60000/1001")) + fields("top") + part + interlacedCoding +
                               QStringList{"-top", "1"},
                           {}};
    corpus << CorpusSource{"dvd-mixed.vob",
                           {"-fflags", "+genpts", "-r", "30000/1001", "-f", "mpegvideo", "-i",
                            "concat:FOLDER/parts/mixed-1.m2v|FOLDER/parts/mixed-2.m2v", "-c", "copy", "-f", "vob"},
                           {}, {}, someFormats()};
    // A title of a DVD video folder, for the disc search.
    corpus << CorpusSource{"disc-ntsc/VIDEO_TS/VTS_01_1.VOB",
                           in(picture.arg("720x480", "60000/1001")) + in(tone) + fields("top") +
                               QStringList{"-target", "ntsc-dvd", "-aspect", "16:9", "-ac", "2"} + interlacedCoding +
                               QStringList{"-top", "1"},
                           {}};
    return corpus;
}

// A picture graded for an ordinary screen, mastered into HDR the way SDR
// is mastered into HLG and PQ (ITU-R BT.2408): its light as a BT.1886
// screen shows it, SDR white at 203 nits, BT.2020 primaries, 10 bits.
inline QString hdrMastering(bool hlg)
{
    const QString light = QStringLiteral("zscale=tin=bt709:pin=bt709:min=bt709:rin=tv:t=linear:p=bt709:npl=100,"
                                         "format=gbrpf32le,zscale=p=bt2020:t=smpte2084:npl=203");
    return light + (hlg ? QStringLiteral(",zscale=t=arib-std-b67:m=bt2020nc:r=tv:npl=1000,format=yuv420p10le")
                        : QStringLiteral(",zscale=m=bt2020nc:r=tv,format=yuv420p10le"));
}

// The picture every HDR source is mastered from, as an SDR grade: what a
// tone-mapped output is held against.
inline CorpusSource sdrMaster()
{
    return CorpusSource{"sdr-master.mp4",
                        {"-f", "lavfi", "-i", "testsrc2=size=320x180:rate=30:duration=3", "-vf",
                         "zscale=tin=bt709:pin=bt709:min=bt709:rin=tv:t=bt709:p=bt709:m=bt709:r=tv,format=yuv420p",
                         "-c:v", "libx264", "-qp", "10", "-color_primaries", "bt709", "-color_trc", "bt709",
                         "-colorspace", "bt709"},
                        {}};
}

// HDR as phones, cameras and downloads bring it: HLG and PQ in HEVC, VP9
// and AV1, with a display matrix, a mastering display, Dolby Vision.
inline QList<CorpusSource> hdrCorpus()
{
    const QStringList in{"-f", "lavfi", "-i", "testsrc2=size=320x180:rate=30:duration=3",
                         "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=48000:duration=3"};
    const auto tags = [](bool hlg) {
        return QStringList{"-color_primaries", "bt2020", "-color_trc", hlg ? "arib-std-b67" : "smpte2084",
                           "-colorspace", "bt2020nc"};
    };
    const auto hevc = [&](bool hlg, const QString& params) {
        return in + QStringList{"-vf", hdrMastering(hlg), "-c:v", "libx265", "-x265-params", "log-level=error" + params} +
               tags(hlg) + QStringList{"-tag:v", "hvc1", "-c:a", "aac"};
    };
    QList<CorpusSource> corpus;
    corpus << CorpusSource{"phone-hlg-upright.mp4", hevc(true, {}), QStringLiteral("90")};
    corpus << CorpusSource{"hdr10-mastering.mp4",
                           hevc(false, ":hdr10=1:master-display=G(13250,34500)B(7500,3000)R(34000,16000)"
                                       "WP(15635,16450)L(10000000,1):max-cll=1000,400"),
                           {},
                           masteringDisplayBox() + lightLevelBox(1000, 400)};
    corpus << CorpusSource{"download-vp9-pq.webm",
                           in + QStringList{"-vf", hdrMastering(false), "-c:v", "libvpx-vp9", "-b:v", "400k",
                                            "-deadline", "realtime", "-cpu-used", "8"} +
                               tags(false) + QStringList{"-c:a", "libopus"},
                           {}};
    corpus << CorpusSource{"camera-av1-hlg.mp4",
                           in + QStringList{"-vf", hdrMastering(true), "-c:v", "libsvtav1", "-preset", "10"} +
                               tags(true) + QStringList{"-c:a", "aac"},
                           {}};
    // iPhones add a Dolby Vision layer over HLG; profile 5 has no picture
    // for other players, here PQ pictures under its record.
    corpus << CorpusSource{"iphone-dolby-vision.mp4", hevc(true, {}), {}, dolbyVisionBox(8, 4, 4)};
    corpus << CorpusSource{"dolby-vision-5.mp4", hevc(false, {}), {}, dolbyVisionBox(5, 6, 0)};
    return corpus;
}

// Sources to cut a part from, as phones, DVDs and screen recorders make
// them: four seconds each, key frames a second or less
// apart, each picture of testsrc2 unlike its neighbours, and at 2 s a white
// flash in one picture and a click in the sound, by which the sound is held
// against the picture.
inline QList<CorpusSource> rangeCorpus()
{
    const auto in = [](const QString& graph) { return QStringList{"-f", "lavfi", "-i", graph}; };
    const auto picture = [&](const QString& size, const QString& rate, const QString& between = {}) {
        return in(QStringLiteral("testsrc2=size=%1:rate=%2:duration=4%3,"
                                 "drawbox=c=white:t=fill:enable='between(t,1.999,2.02)'")
                      .arg(size, rate, between));
    };
    const auto click = [&](int rate) {
        return in(QStringLiteral("aevalsrc='0.8*sin(2*PI*1000*t)*between(t,2,2.03)':s=%1:d=4").arg(rate));
    };
    QList<CorpusSource> corpus;
    corpus << CorpusSource{"phone-h264.mp4",
                           picture("320x240", "30") + click(48000) +
                               QStringList{"-ac", "2", "-c:v", "libx264", "-g", "30", "-pix_fmt", "yuv420p", "-c:a",
                                           "aac"},
                           {}};
    corpus << CorpusSource{"dvd-mpeg2-ac3.vob",
                           picture("720x480", "30000/1001") + click(48000) +
                               QStringList{"-ac", "2", "-target", "ntsc-dvd", "-aspect", "4:3"},
                           {}};
    corpus << CorpusSource{"phone-hevc10.mp4",
                           picture("320x180", "30") + click(48000) +
                               QStringList{"-ac", "2", "-c:v", "libx265", "-pix_fmt", "yuv420p10le", "-x265-params",
                                           "log-level=error:keyint=30", "-tag:v", "hvc1", "-c:a", "aac"},
                           {}};
    // A screen recorder writes a picture when the screen changes: thirty a
    // second at first, then fifteen.
    corpus << CorpusSource{"screen-vfr.mp4",
                           picture("320x240", "30", ",setpts='if(lt(N,40),N/30/TB,(40+(N-40)*2)/30/TB)'") +
                               click(44100) +
                               QStringList{"-ac", "2", "-c:v", "libx264", "-g", "30", "-vsync", "vfr", "-c:a", "aac",
                                           "-t", "4"},
                           {}};
    return corpus;
}

// Sources to rate by size and by quality, as a phone, a camcorder, a
// screen recorder and an action camera write them: 10-bit HEVC, MPEG-2
// with 5.1 sound, a variable frame rate, 60 frames a second.
inline QList<CorpusSource> rateCorpus()
{
    const QString t = QStringLiteral("3");
    const QString picture = QStringLiteral("testsrc2=size=%1:rate=%2:duration=") + t;
    const QString tone = QStringLiteral("sine=frequency=440:sample_rate=48000:duration=") + t;
    const auto in = [](const QString& graph) { return QStringList{"-f", "lavfi", "-i", graph}; };
    QList<CorpusSource> corpus;
    corpus << CorpusSource{"phone-hevc10.mp4",
                           in(picture.arg("320x240", "30")) + in(tone) +
                               QStringList{"-ac", "2", "-c:v", "libx265", "-pix_fmt", "yuv420p10le", "-x265-params",
                                           "log-level=error", "-tag:v", "hvc1", "-c:a", "aac"},
                           {}};
    corpus << CorpusSource{"camcorder-mpeg2-51.vob",
                           in(picture.arg("352x288", "25")) + in(tone + ",aformat=channel_layouts=5.1") +
                               QStringList{"-c:v", "mpeg2video", "-b:v", "3000k", "-c:a", "ac3", "-b:a", "384k", "-f",
                                           "vob"},
                           {}};
    corpus << CorpusSource{"screen-vfr.mp4",
                           in(picture.arg("320x240", "30")) + in(tone) +
                               QStringList{"-ac", "2", "-vf", "setpts='if(lt(N,40),N/30/TB,(40+(N-40)*2)/30/TB)'",
                                           "-c:v", "libx264", "-vsync", "vfr", "-c:a", "aac", "-t", t},
                           {}};
    corpus << CorpusSource{"action-60fps.mp4",
                           in(picture.arg("320x240", "60")) + in(tone) +
                               QStringList{"-ac", "2", "-c:v", "libx264", "-c:a", "aac"},
                           {}};
    // Sizes that leave too little for the picture at its own size: a small
    // sensor's grain in dim light, which no encoder can spare bits on, and
    // a minute of 1080p for a chat's 10 MB.
    const auto lasting = [&in](const QString& size, const QString& rate, int seconds) {
        return in(QStringLiteral("testsrc2=size=%1:rate=%2:duration=%3").arg(size, rate).arg(seconds)) +
               in(QStringLiteral("sine=frequency=440:sample_rate=48000:duration=%1").arg(seconds));
    };
    corpus << CorpusSource{"phone-noisy-720p.mp4",
                           lasting("1280x720", "30", 20) +
                               QStringList{"-ac", "2", "-vf", "noise=alls=14:allf=t+u", "-c:v", "libx264", "-preset",
                                           "ultrafast", "-crf", "18", "-c:a", "aac"},
                           {}};
    corpus << CorpusSource{"camera-1080p-minute.mp4",
                           lasting("1920x1080", "24", 60) +
                               QStringList{"-ac", "2", "-c:v", "libx264", "-preset", "ultrafast", "-c:a", "aac"},
                           {}};
    return corpus;
}

// Sound as people have it, each under a small picture since Tarnwick
// converts videos: a phone's quiet speech (espeak-ng speaks it, SPEECH), an
// advert's loud, compressed speech over noise, a film's 5.1 mix of
// dialogue and loud bursts with a quiet commentary track beside it, EBU
// Tech 3341's first case (1 kHz at -23 dBFS in both channels: -23.0 LUFS)
// and digital silence.
inline QList<CorpusSource> loudnessCorpus()
{
    const QString t = QStringLiteral("3");
    const QStringList picture{"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=" + t};
    const QStringList speech{"-stream_loop", "-1", "-i", "SPEECH"};
    const auto in = [](const QString& graph) { return QStringList{"-f", "lavfi", "-i", graph}; };
    const QStringList video{"-c:v", "libx264", "-pix_fmt", "yuv420p", "-t", t};
    const QString tone = QStringLiteral("0.0707946*sin(2*PI*1000*t)");
    QList<CorpusSource> corpus;
    corpus << CorpusSource{"phone-quiet-speech.mp4",
                           picture + speech + QStringList{"-af", "volume=-22dB,aresample=44100", "-c:a", "aac"} + video,
                           {}};
    corpus << CorpusSource{"advert-loud.mp4",
                           picture + speech + in("anoisesrc=color=pink:amplitude=0.3:sample_rate=44100") +
                               QStringList{"-filter_complex",
                                           "[1:a]aresample=44100,volume=12dB[s];[s][2:a]amix=inputs=2:normalize=0,"
                                           "acompressor=threshold=-30dB:ratio=20:attack=1:release=50:makeup=20,"
                                           "alimiter=limit=0.9:level=false,aformat=channel_layouts=stereo[a]",
                                           "-map", "0:v", "-map", "[a]", "-c:a", "aac", "-b:a", "192k"} +
                               video,
                           {}};
    // Six seconds, the dialogue well clear of the meter's relative gate: in
    // three, or near the gate, a codec's small change at the bursts moves
    // the whole by half a LU or more.
    const QString film = QStringLiteral("6");
    corpus << CorpusSource{"film-51-wide.mkv",
                           QStringList{"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=" + film} + speech +
                               in("anoisesrc=color=brown:amplitude=0.5:sample_rate=48000") +
                               QStringList{"-filter_complex",
                                           "[1:a]aresample=48000,asplit[s][c];[s]volume=-4dB[d];"
                                           "[c]volume=-28dB,aformat=channel_layouts=stereo[commentary];"
                                           "[2:a]volume='if(between(t,1.5,2.2)+between(t,4,4.4),1,0)':eval=frame,"
                                           "asplit=5[n1][n2][n3][n4][n5];"
                                           "[n1][n2][d][n3][n4][n5]join=inputs=6:channel_layout=5.1:"
                                           "map=0.0-FL|1.0-FR|2.0-FC|3.0-LFE|4.0-BL|5.0-BR[a]",
                                           "-map", "0:v", "-map", "[a]", "-map", "[commentary]", "-c:a", "ac3",
                                           "-b:a", "448k", "-c:v", "libx264", "-pix_fmt", "yuv420p", "-t", film},
                           {}};
    corpus << CorpusSource{"ebu-3341-case1.mov",
                           picture + in("aevalsrc=" + tone + "|" + tone + ":s=48000") +
                               QStringList{"-c:a", "pcm_s16le"} + video,
                           {}};
    corpus << CorpusSource{"silence.mp4",
                           picture + in("anullsrc=r=48000:cl=stereo") + QStringList{"-c:a", "aac"} + video, {}};
    return corpus;
}

// Makes the sources in `folder`; the paths of the sources made, or an empty
// list with `error` set. A source already there from the same recipe is kept,
// so a corpus is made once and shared by every test and run that asks for it;
// a changed recipe makes that source again. Each is written under a passing
// name and renamed when whole, and a lock keeps two test processes from
// making the same folder at once.
inline QStringList makeCorpus(const QString& folder, const QList<CorpusSource>& sources, QString* error)
{
    QDir().mkpath(folder);
    QLockFile lock(folder + QStringLiteral("/.making"));
    // Held as long as the making takes: a maker that died is known by its
    // process id, not by the lock's age.
    lock.setStaleLockTime(0);
    if (!lock.lock()) {
        *error = folder + QStringLiteral(": cannot take the corpus lock");
        return {};
    }
    const QString subtitles = folder + QStringLiteral("/subtitles.srt");
    writeFile(subtitles, "1\n00:00:00,000 --> 00:00:01,000\nHello\n\n2\n00:00:02,000 --> 00:00:03,000\nWorld\n");
    const QString speech = folder + QStringLiteral("/speech.wav");
    const auto speaks = [](const CorpusSource& source) { return source.encode.contains(QStringLiteral("SPEECH")); };
    if (std::any_of(sources.begin(), sources.end(), speaks) && !QFileInfo::exists(speech)) {
        QString said;
        if (!runTool(QStringLiteral("espeak-ng"),
                     {"-w", speech, "The family sat down to dinner at seven. Grandmother told the story of the old "
                                    "mill by the river, and everyone laughed."},
                     &said)) {
            *error = QStringLiteral("espeak-ng (scripts/setup.sh installs it): ") + said;
            return {};
        }
    }
    QStringList made;
    for (const CorpusSource& source : sources) {
        // A name may hold folders, as a disc's title files do.
        const QString path = folder + u'/' + source.name;
        const QString place = QFileInfo(path).path() + u'/';
        const QString file = QFileInfo(path).fileName();
        QDir().mkpath(place);
        QStringList arguments{"-nostdin", "-v", "error", "-y"};
        arguments += source.encode;
        arguments.replaceInStrings(QStringLiteral("SUBTITLES"), subtitles);
        arguments.replaceInStrings(QStringLiteral("SPEECH"), speech);
        arguments.replaceInStrings(QStringLiteral("FOLDER"), folder);
        const QByteArray recipe =
            (arguments.join(u'\x1f') + u'\x1e' + source.rotate).toUtf8() + '\x1e' + source.boxes.toHex();
        const QString stamp = place + u'.' + file + QStringLiteral(".recipe");
        QFile stamped(stamp);
        if (QFileInfo::exists(path) && stamped.open(QIODevice::ReadOnly) && stamped.readAll() == recipe) {
            made << path;
            continue;
        }
        stamped.close();
        QFile::remove(stamp);
        // The container is told by the extension, so the passing name keeps it.
        const QString partial = place + QStringLiteral("making-") + file;
        const QString encoded = source.rotate.isEmpty() ? partial : place + QStringLiteral("unrotated-") + file;
        QString output;
        if (!runTool(QStringLiteral(TARNWICK_FFMPEG), arguments << encoded, &output, 600000)) {
            *error = source.name + QStringLiteral(": ") + output;
            return {};
        }
        // FFmpeg writes a display rotation only when it copies a stream.
        if (!source.rotate.isEmpty() &&
            !runTool(QStringLiteral(TARNWICK_FFMPEG),
                     {"-nostdin", "-v", "error", "-y", "-i", encoded, "-c", "copy", "-metadata:s:v",
                      "rotate=" + source.rotate, partial},
                     &output, 600000)) {
            *error = source.name + QStringLiteral(": ") + output;
            return {};
        }
        if (!source.boxes.isEmpty() && !appendSampleEntryBoxes(partial, source.boxes)) {
            *error = source.name + QStringLiteral(": no video sample entry to add boxes to");
            return {};
        }
        QFile::remove(path);
        if (!QFile::rename(partial, path) || !writeFile(stamp, recipe)) {
            *error = source.name + QStringLiteral(": cannot keep it in ") + folder;
            return {};
        }
        made << path;
    }
    return made;
}

inline QStringList makeDeviceCorpus(const QString& folder, QString* error)
{
    return makeCorpus(folder, deviceCorpus(), error);
}

// Where the corpora shared by a test run live: CTest's fixture makes them
// there first (tests/CMakeLists.txt), and the test script points both builds
// at one folder through TARNWICK_CORPUS_DIR.
inline QString sharedCorpusFolder(const QString& set)
{
    QString root = qEnvironmentVariable("TARNWICK_CORPUS_DIR");
    if (root.isEmpty())
        root = QStringLiteral(TARNWICK_CORPUS_DIR);
    return root + u'/' + set;
}

// The named corpus, made now if this is the first to ask.
inline QStringList sharedCorpus(const QString& set, const QList<CorpusSource>& sources, QString* error)
{
    return makeCorpus(sharedCorpusFolder(set), sources, error);
}

inline QStringList sharedDeviceCorpus(QString* error)
{
    const QList<CorpusSource> corpus = deviceCorpus();
    QStringList made = sharedCorpus(QStringLiteral("device"), corpus, error);
    for (const CorpusSource& source : corpus) {
        if (!source.formats.isEmpty())
            made.removeIf([&](const QString& path) { return path.endsWith(u'/' + source.name); });
    }
    return made;
}

// What ffprobe says of a file's streams.
struct MediaInfo {
    QString container;
    double duration = 0;
    QString videoCodec, profile, pixelFormat;
    double displayAspect = 0; // after the display rotation
    bool portrait = false;
    int audioStreams = 0;
    int subtitleStreams = 0;
    QStringList titles; // of the streams after the video, in order
    QString transfer, primaries, matrix; // the video's colour tags, "unknown" when none
    QStringList sideData; // the video stream's side data, by type
};

inline MediaInfo mediaInfo(const QString& file)
{
    MediaInfo info;
    QString out;
    if (!runTool(QStringLiteral(TARNWICK_FFPROBE),
                 {"-v", "error", "-show_format", "-show_streams", "-of", "json", file}, &out))
        return info;
    const QJsonObject root = QJsonDocument::fromJson(out.toUtf8()).object();
    info.container = root["format"].toObject()["format_name"].toString();
    info.duration = root["format"].toObject()["duration"].toString().toDouble();
    bool video = false;
    for (const QJsonValue& value : root["streams"].toArray()) {
        const QJsonObject s = value.toObject();
        const QString type = s["codec_type"].toString();
        if (type == "video" && !video && s["disposition"].toObject()["attached_pic"].toInt() == 0) {
            video = true;
            info.videoCodec = s["codec_name"].toString();
            info.profile = s["profile"].toString();
            info.pixelFormat = s["pix_fmt"].toString();
            double w = s["width"].toInt();
            double h = s["height"].toInt();
            const QStringList sar = s["sample_aspect_ratio"].toString().split(u':');
            if (sar.size() == 2 && sar[0].toDouble() > 0 && sar[1].toDouble() > 0)
                w = w * sar[0].toDouble() / sar[1].toDouble();
            int rotation = 0;
            for (const QJsonValue& side : s["side_data_list"].toArray()) {
                rotation = int(std::lround(side.toObject()["rotation"].toDouble()));
                info.sideData << side.toObject()["side_data_type"].toString();
            }
            info.transfer = s["color_transfer"].toString(QStringLiteral("unknown"));
            info.primaries = s["color_primaries"].toString(QStringLiteral("unknown"));
            info.matrix = s["color_space"].toString(QStringLiteral("unknown"));
            if (std::abs(rotation) % 180 == 90)
                std::swap(w, h);
            info.displayAspect = h > 0 ? w / h : 0;
            info.portrait = h > w;
        } else if (type == "audio") {
            ++info.audioStreams;
            info.titles << s["tags"].toObject()["title"].toString();
        } else if (type == "subtitle") {
            ++info.subtitleStreams;
            info.titles << s["tags"].toObject()["title"].toString();
        }
    }
    return info;
}

// What the decoded pictures look like on average, as FFmpeg's signalstats
// measures them, in 8-bit steps whatever the depth: brightness (Y) and
// saturation (the distance of the chroma from grey).
struct PictureLevels {
    double brightness = 0;
    double saturation = 0;
    int bits = 0;
};

inline PictureLevels pictureLevels(const QString& file)
{
    QString out;
    PictureLevels levels;
    if (!runTool(QStringLiteral(TARNWICK_FFMPEG),
                 {"-nostdin", "-v", "error", "-i", file, "-vf", "signalstats,metadata=print:file=-", "-f", "null",
                  "-"},
                 &out))
        return levels;
    double y = 0, saturation = 0;
    int frames = 0;
    for (const QString& line : out.split(u'\n', Qt::SkipEmptyParts)) {
        const QString value = line.section(u'=', 1);
        if (line.startsWith(QLatin1String("lavfi.signalstats.YAVG="))) {
            y += value.toDouble();
            ++frames;
        } else if (line.startsWith(QLatin1String("lavfi.signalstats.SATAVG="))) {
            saturation += value.toDouble();
        } else if (line.startsWith(QLatin1String("lavfi.signalstats.YBITDEPTH="))) {
            levels.bits = value.toInt();
        }
    }
    const double scale = frames * double(1 << qMax(0, levels.bits - 8));
    if (frames > 0) {
        levels.brightness = y / scale;
        levels.saturation = saturation / scale;
    }
    return levels;
}

// The side data of a file's first decoded picture, by type: what its
// bitstream says of the mastering display and light levels.
inline QStringList firstPictureSideData(const QString& file)
{
    QString out;
    runTool(QStringLiteral(TARNWICK_FFPROBE),
            {"-v", "error", "-select_streams", "v:0", "-read_intervals", "%+#1", "-show_entries",
             "frame_side_data=side_data_type", "-of", "json", file},
            &out);
    QStringList types;
    const QJsonArray frames = QJsonDocument::fromJson(out.toUtf8()).object()["frames"].toArray();
    for (const QJsonValue& side : frames.isEmpty() ? QJsonArray() : frames[0].toObject()["side_data_list"].toArray())
        types << side.toObject()["side_data_type"].toString();
    return types;
}

// The first error FFmpeg reports decoding the whole file; empty when none.
// The null writer's own complaints are left out: it rounds Matroska's
// millisecond times to the frame rate and then finds two frames on one
// tick, which says nothing of the file.
inline QString decodeErrors(const QString& file)
{
    QString out;
    runTool(QStringLiteral(TARNWICK_FFMPEG), {"-nostdin", "-v", "error", "-i", file, "-f", "null", "-"}, &out);
    for (const QString& line : out.split(u'\n', Qt::SkipEmptyParts)) {
        if (!line.startsWith(QLatin1String("[null @")))
            return line.trimmed();
    }
    return {};
}

// GStreamer's player, a reader that shares no code with FFmpeg, plays the
// file to its end: empty, or what it said.
inline QString gstreamerPlays(const QString& file)
{
    const QString gst = QStandardPaths::findExecutable(QStringLiteral("gst-launch-1.0"));
    if (gst.isEmpty())
        return QStringLiteral("gst-launch-1.0 is not installed (scripts/setup.sh installs it)");
    QString out;
    const bool ok = runTool(gst,
                            {"-q", "playbin", "uri=" + QUrl::fromLocalFile(file).toString(),
                             "video-sink=fakesink sync=false", "audio-sink=fakesink sync=false"},
                            &out, 120000);
    return ok && !out.contains(QLatin1String("ERROR")) ? QString() : out.trimmed().left(400) + QStringLiteral(" (player failed)");
}

} // namespace tarnwick::test
