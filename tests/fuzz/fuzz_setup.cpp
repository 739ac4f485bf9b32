// The setup.ini reader: whatever it reads, writing it and reading it again
// gives the same settings; and an output folder written is read back whole.
#include "FuzzCheck.h"

#include "core/SettingsFiles.h"

#include <QRegularExpression>

using namespace tarnwick;
using namespace tarnwick::SettingsFiles;

namespace {

bool same(const ReadSetup& a, const ReadSetup& b)
{
    return a.cmbBR == b.cmbBR && a.cmbR == b.cmbR && a.cmbChannel == b.cmbChannel && a.cmbOF == b.cmbOF &&
           a.txtPath == b.txtPath;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray content = fuzz::bytes(data, size);
    const ReadSetup read = parseSetup(content);
    if (read.cmbBR && read.cmbR && read.cmbChannel && read.txtPath && read.cmbOF) {
        const WindowSettings settings{*read.cmbBR, *read.cmbR, *read.cmbChannel, *read.txtPath, *read.cmbOF};
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
        FUZZ_CHECK(back.txtPath == folder);
        FUZZ_CHECK(back.cmbBR == 3 && back.cmbR == 1 && back.cmbChannel == 0 && back.cmbOF == 4);
    }
    return 0;
}
