// Runs a fuzz target's entry over stored inputs (its seed corpus and every
// input that once broke it), so that the normal test run keeps them passing
// without libFuzzer.
#include "FuzzCheck.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

int main(int argc, char** argv)
{
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        if (QFileInfo(path).isFile()) {
            files << path;
            continue;
        }
        QDirIterator it(path, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
    }
    std::sort(files.begin(), files.end());
    if (files.isEmpty()) {
        std::fprintf(stderr, "no inputs found\n");
        return 1;
    }
    for (const QString& path : std::as_const(files)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            return 1;
        }
        const QByteArray input = file.readAll();
        std::fprintf(stderr, "%s\n", qPrintable(path));
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.constData()), size_t(input.size()));
    }
    std::fprintf(stderr, "%lld inputs passed\n", static_cast<long long>(files.size()));
    return 0;
}
