#pragma once

#include "media/SoundLevel.h"

#include <QString>

namespace tarnwick {

// Tarnwick's own settings, beyond the two files whose bytes are fixed:
// Tarnwick.conf in the user's configuration folder
// ($XDG_CONFIG_HOME/Tarnwick/, else ~/.config/Tarnwick/), in Qt's INI form.
// A missing or unreadable file gives the defaults; nothing here is ever
// written to setup.ini or options.ini.
class ProgramSettings
{
public:
    // The file itself; `path` empty means the user's configuration folder.
    explicit ProgramSettings(QString path = QString());

    static QString defaultPath();
    const QString& path() const { return m_path; }

    // Output/WebOptimized: MP4 and MOV outputs get their index at the front.
    bool webOptimized() const;
    void setWebOptimized(bool on);

    // Output/HdrToSdr: HLG and PQ sources become SDR in every format.
    bool hdrToSdr() const;
    void setHdrToSdr(bool on);
    // Output/CropBlackBars: encoded pictures cropped to what lies inside black bars.
    bool cropBlackBars() const;
    void setCropBlackBars(bool on);
    // Output/Loudness: "off" or the LUFS every file's sound is brought to.
    LoudnessTarget loudness() const;
    void setLoudness(const LoudnessTarget& target);

    // Output/ConstantQuality: the window offers the format's quality levels
    // instead of bitrates.
    bool constantQuality() const;
    void setConstantQuality(bool on);

    // Output/MadeFor: the name of the place the window's files are made
    // for ("discord"); empty for none.
    QString madeFor() const;
    void setMadeFor(const QString& name);

    // Batch/ConversionsAtOnce: 1 to the core count, 0 for one per core.
    int conversionsAtOnce() const;
    void setConversionsAtOnce(int lanes);

private:
    QString m_path;
};

} // namespace tarnwick
