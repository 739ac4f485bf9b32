// The setup.ini reader: whatever it reads, writing it and reading it again
// gives the same settings; and an output folder written is read back whole.
#include "FuzzCheck.h"

#include "settings/SettingsFiles.h"

#include <QRegularExpression>

using namespace tarnwick;
using namespace tarnwick::SettingsFiles;

namespace {

bool same(const ReadSetup& a, const ReadSetup& b)
{
    return a.audioBitrate == b.audioBitrate && a.sampleRate == b.sampleRate && a.channels == b.channels && a.internalFormat == b.internalFormat &&
           a.outputFolder == b.outputFolder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray content = fuzz::bytes(data, size);
    const ReadSetup read = parseSetup(content);
    if (read.audioBitrate && read.sampleRate && read.channels && read.outputFolder && read.internalFormat) {
        const WindowSettings settings{*read.audioBitrate, *read.sampleRate, *read.channels, *read.outputFolder, *read.internalFormat};
        FUZZ_CHECK(same(parseSetup(formatSetup(settings)), read));
    }

    // A folder name holds any character but NUL. A quote that only blanks
    // separate from a comma or a line end cannot be told from the field's
    // end: the format has no escape.
    const QString folder = fuzz::text(data, size);
    static const QRegularExpression ambiguous(QStringLiteral("\"[ \t]*([,\r\n]|$)"));
    if (!folder.contains(QChar(0)) && !folder.contains(ambiguous)) {
        const WindowSettings settings{3, 1, 0, folder, 4};
        const ReadSetup back = parseSetup(formatSetup(settings));
        FUZZ_CHECK(back.outputFolder == folder);
        FUZZ_CHECK(back.audioBitrate == 3 && back.sampleRate == 1 && back.channels == 0 && back.internalFormat == 4);
    }
    return 0;
}
