#include "settings/Destinations.h"

#include <QCoreApplication>

namespace tarnwick {

const QList<Destination>& destinations()
{
    // Chat and mail take H.264 with AAC in MP4 everywhere, phones included;
    // their limits count the whole attachment.
    static const QList<Destination> records{
        {QStringLiteral("discord"), QStringLiteral(QT_TRANSLATE_NOOP("tarnwick::Destinations", "Discord (10 MB)")),
         QStringLiteral("mp4-h264"), 10000000, true},
        {QStringLiteral("email"), QStringLiteral(QT_TRANSLATE_NOOP("tarnwick::Destinations", "E-mail (25 MB)")),
         QStringLiteral("mp4-h264"), 25000000, true},
    };
    return records;
}

QString Destination::shownCaption() const
{
    return QCoreApplication::translate(kCaptionContext, caption.toUtf8().constData());
}

const OutputFormat& Destination::outputFormat() const
{
    const OutputFormat* named = formatNamed(format);
    return named ? *named : outputFormats().first();
}

const Destination* destinationNamed(const QString& name)
{
    for (const Destination& record : destinations()) {
        if (record.name.compare(name, Qt::CaseInsensitive) == 0)
            return &record;
    }
    return nullptr;
}

QString destinationNameList()
{
    QStringList names;
    for (const Destination& record : destinations())
        names << record.name;
    return names.join(QStringLiteral(", "));
}

} // namespace tarnwick
