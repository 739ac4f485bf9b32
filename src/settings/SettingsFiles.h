#pragma once

#include "base/Files.h"
#include "settings/Options.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tarnwick {

// The two small settings files beside the program: setup.ini (five quoted
// lines: three preset positions, the output folder, the internal format
// index) and options.ini (four decimal lines). They have exact formats, so
// they are read and written here rather than through QSettings.
namespace SettingsFiles {

inline const QString kSetupFile = QStringLiteral("setup.ini");
inline const QString kOptionsFile = QStringLiteral("options.ini");

struct WindowSettings {
    int audioBitrate = -1;
    int sampleRate = -1;
    int channels = -1;
    QString outputFolder;
    int internalFormat = -1;
};

// Fields in order: leading blanks skipped; a field that starts with a double
// quote runs to the next one, quotes dropped; any other field runs to the
// next comma or line end. At most `count` fields.
QStringList readFields(const QByteArray& content, int count);

// A whole field as a 16-bit number, a half going to the even neighbour;
// nullopt when it is not a number or does not fit.
std::optional<qint16> toInt16(const QString& field);
// The number the field's leading characters form (0 when none), as a whole
// number of the given range; nullopt when it does not fit.
std::optional<qint64> leadingNumber(const QString& field, qint64 min, qint64 max);

// nullopt fields were missing or unreadable: those settings keep their values.
struct ReadSetup {
    std::optional<qint16> audioBitrate, sampleRate, channels, internalFormat;
    std::optional<QString> outputFolder;
};
ReadSetup parseSetup(const QByteArray& content);
QByteArray formatSetup(const WindowSettings& settings);

// options.ini's four fields as they stand: the reminder (0 is on), the
// cutter (not 0 is on), the cut's two times in seconds.
struct ReadOptions {
    std::optional<qint16> soundReminder, musicCutter;
    std::optional<qint32> cutFromSeconds, cutToSeconds;
    // The record with what was read applied over `record`.
    Options appliedTo(Options record) const;
};
ReadOptions parseOptions(const QByteArray& content);
QByteArray formatOptions(const Options& options);

} // namespace SettingsFiles

// Where the settings files live: beside the program when its folder can be
// written; otherwise (an installed program under /usr) in the user's
// configuration folder, so that settings are still kept.
QString settingsFolder(const QString& programFolder, bool programFolderWritable);

namespace SettingsFiles {

// Reads a whole file; nullopt when it cannot be opened.
std::optional<QByteArray> readFile(const QString& path);
using tarnwick::writeFileAtomically;

} // namespace SettingsFiles

} // namespace tarnwick
