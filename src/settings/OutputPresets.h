#pragma once

#include "base/EditableList.h"

namespace tarnwick {

// The output settings and the rules that fill them in. Choosing a visible
// format gives the bitrate its default and picks the internal format index,
// which in turn presets six encoding settings. Only the index and the bitrate
// text reach the encoder; the six presets are held, locked around a batch and
// partly saved, as the settings file expects.
class OutputPresets
{
public:
    OutputPresets();
    OutputPresets(const OutputPresets&) = delete;
    OutputPresets& operator=(const OutputPresets&) = delete;

    // The visible formats' captions are the program's own texts: a view
    // shows each through the translations of this context.
    static constexpr const char* kCaptionContext = "tarnwick::OutputPresets";
    EditableList visibleFormat;  // the formats' captions, by position
    EditableList bitrate;        // the video bitrate, kilobits per second
    EditableList internalFormat; // by internal format index
    EditableList videoBitrate;
    EditableList frameRate;
    EditableList frameSize;
    EditableList sampleRate;
    EditableList audioBitrate;
    EditableList channels;

    void SelectOutputFormat();
    void ApplyFormatPreset();
    // Told once a visible format's choice has set the bitrate and the index.
    EditableList::Handler formatChosen;
};

} // namespace tarnwick
