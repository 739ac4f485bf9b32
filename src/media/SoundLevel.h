#pragma once


#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace tarnwick {

// The loudness every output's sound is brought to: an integrated loudness
// in LUFS (ITU-R BS.1770, EBU R128), or off.
struct LoudnessTarget
{
    static constexpr double kEbu = -23;
    static constexpr double kStream = -14;
    static constexpr double kPodcast = -16;
    static constexpr double kLeast = -40;
    static constexpr double kMost = -5;
    // Where the true peaks of every output stay, after its codec.
    static constexpr double kCeiling = -1;

    std::optional<double> lufs; // nullopt: off, the sound keeps its level

    bool isOff() const { return !lufs.has_value(); }
    // As Tarnwick.conf keeps it: "off" or the number ("-14", "-23.5").
    QString settingText() const;
    friend bool operator==(const LoudnessTarget&, const LoudnessTarget&) = default;
};

// A loudness as typed or kept: "ebu", "stream", "podcast", "off", or a
// number of LUFS from -40 to -5 ("-14", "-18.5", "-14 LUFS" too), any case,
// blanks around it allowed. `error` names the choices for anything else.
struct ParsedLoudness
{
    LoudnessTarget target;
    QString error; // empty: read
};
ParsedLoudness parseLoudness(const QString& text);

// One audio track as its output will carry it: its place among the
// source's audio tracks (0:a:N), and the channels and rate it is encoded
// with, which the measurement hears too: a downmix changes the loudness and
// adds up the peaks of the channels.
struct SoundTrack
{
    int audioIndex = 0;
    QString layout;     // FFmpeg's name ("stereo", "5.1(side)"); empty: as decoded
    int sampleRate = 0; // 0: not known
    // A track of `channels` in `layout` (empty: not known) that an encoder
    // taking at most `maxChannels` (0: any) gets, downmixed when it must.
    static SoundTrack of(int audioIndex, const QString& layout, int channels, int sampleRate,
                         int maxChannels);
};

// What the measurement found in one track.
struct Loudness
{
    double integrated = -70; // LUFS; -70: nothing above the gate
    double range = 0;        // LU
    double truePeak = 0;     // dBTP; -inf for digital silence
    // Under the absolute gate (-70 LUFS): silence, which gets no gain.
    bool isSilent() const { return integrated <= -69.95; }
};

// A track's reading, or why it could not be read.
struct LoudnessReading
{
    std::optional<Loudness> loudness;
    QString error;
};

// The measurement: the encoder decodes the sound only, each chain's output
// of the same source measured by its own EBU R128 meter in one run. A chain
// is a track and the filters it passes before the meter.
struct MeteredChain
{
    SoundTrack track;
    QString filters;   // empty: the track as its output carries it
    bool peaks = true; // the true peak too, which costs a quarter of the run
};
// The encoder's arguments that measure `chains` of `source` over `range`.
QStringList measurementArguments(const QString& source, const QList<MeteredChain>& chains,
                                 std::optional<double> start = {}, std::optional<double> end = {});
// Each chain's reading from what that run printed, in the chains' order
// (a chain without peaks reads a true peak of NaN). `finished`: the run
// ended with status 0.
QList<LoudnessReading> readMeasurement(const QString& printed, const QList<MeteredChain>& chains,
                                       bool finished = true);

// What a format's sound codec does to the level: how far its decoded true
// peaks rise over the encoded sound's, and how much quieter it plays.
struct SoundCodec
{
    QString encoder;
    double headroom = 0; // dB kept under the ceiling
    double loss = 0;     // dB of loudness it loses
    int maxChannels = 0; // 0: any
    // The rate a limited mono track is encoded at (0: the encoder's own):
    // FFmpeg's AAC gives mono half of stereo's rate, at which its peaks
    // rise a full 2.5 dB over the limiter's.
    int monoKilobits = 0;
};
const SoundCodec& soundCodec(const QString& encoder);
// The codec a copy's sound is re-encoded in to change its level: the
// container's usual one.
QString usualSoundCodec(const QString& muxer);

// The level of one track: the gain to the target, and where the gain would
// push the true peaks over the ceiling less the codec's headroom, a limiter
// at that ceiling in four times the rate (true peaks lie between samples).
struct LevelPlan
{
    SoundTrack track;
    Loudness measured;
    double target = LoudnessTarget::kEbu;
    double aim = LoudnessTarget::kEbu; // what the sound measures before the codec: the target and
                                       // the codec's loss
    double gain = 0;                   // dB
    bool limited = false;
    double ceiling = LoudnessTarget::kCeiling; // dBTP the limiter holds, before the codec
    double codecLoss = 0;                      // dB the codec takes, which `aim` makes up
    int kilobits = 0;                          // the encoder's rate for it; 0: its own
    // Where the limiter cannot bring the sound to the target without
    // squaring its waves (which every codec then pushes over the ceiling):
    // the loudness it reaches instead, as the trials foretell it.
    std::optional<double> reaches;
    // A limited sound plays at most this loud: nearer its peaks, every
    // codec's overshoot outgrows its headroom.
    static constexpr double kLoudestLimited = -10;
    // The loudness the limiter may take away, at most.
    static constexpr double kMostSquash = 10;

    // The filters from the decoded sound to the encoder; empty: untouched.
    QString filters() const;
    // Why, for the log and the dry run: "volume=+12.8dB with a -1 dBTP
    // limit: the sound measured -35.8 LUFS, peaks -18.1 dBTP".
    QString reason() const;
    // A limiter takes loudness away with the peaks: the trial gains whose
    // measured loudness settles the gain. The trials limit at the track's
    // own rate, four times quicker, to the same loudness within 0.1 LU.
    static constexpr double kTrialStep = 3;
    QList<MeteredChain> trials() const;

private:
    QString gainFilters(double decibelsGain, bool truePeaks = true) const;
};
LevelPlan planLevel(const SoundTrack& track, const Loudness& measured, double target,
                    const SoundCodec& codec);
// The gain that reaches the target through the limiter, from the loudness
// the trials measured at the plan's gain and kTrialStep above it.
LevelPlan settleLevel(LevelPlan plan, double atGain, double atStep);

// The options that bring each planned track to its level: "-af" for the one
// track of a format that keeps one, "-filter:a:N" for each of those that
// keep all; a copy also re-encodes its sound in `copyCodec`.
QStringList levelArguments(const QList<LevelPlan>& plans, bool everyTrack,
                           const QString& copyCodec = {});

} // namespace tarnwick
