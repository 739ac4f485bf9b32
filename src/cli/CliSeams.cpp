#include "cli/CliSeams.h"

namespace tarnwick::cli {

void writeLine(std::FILE* stream, const QString& line)
{
    const QByteArray bytes = (line + u'\n').toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

void StderrMessages::show(const QString& text, const QString&, MessageIcon)
{
    QString flat = text;
    flat.replace(QStringLiteral("\n\n"), QStringLiteral(" ")).replace(u'\n', u' ');
    const QMutexLocker lock(&m_mutex);
    writeLine(stderr, QStringLiteral("tarnwick-cli: ") + flat);
}

} // namespace tarnwick::cli
