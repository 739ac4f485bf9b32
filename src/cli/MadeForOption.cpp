#include "cli/CliOptions.h"

#include "cli/TerminalColumns.h"

#include "base/Text.h"
#include "job/RateControl.h"
#include "settings/Destinations.h"

namespace tarnwick::cli {

QString applyMadeFor(const QString& name, const QStringList& alsoGiven, Request& request)
{
    const Destination* record = destinationNamed(name);
    if (!record)
        return Texts::tr("unknown place '%1' for --for (one of: %2)").arg(name, destinationNameList());
    if (!alsoGiven.isEmpty())
        return Texts::tr("--for %1 chooses the format and the size itself: leave out %2")
            .arg(record->name, alsoGiven.join(QStringLiteral(", ")));
    request.format = &record->outputFormat();
    request.targetBytes = record->bytes;
    request.web = request.web || record->webOptimized;
    return {};
}

QString madeForHelp()
{
    QString text = Texts::tr("Instead of a format and a size, where the file goes:\n"
                             "      --for NAME         that place's format and largest file, one of:");
    for (const Destination& record : destinations()) {
        //: A line under --for in --help: %1 the format's -f name, %2 a size such as 10 MB.
        const QString what = Texts::tr("%1, at most %2").arg(record.format, sizeText(record.bytes));
        text += u'\n' + QString(25, u' ') + padded(record.name, 9) + u' ' +
                (record.webOptimized ? Texts::tr("%1, index first").arg(what) : what);
    }
    return text;
}

QStringList madeForListing(int captionColumns)
{
    QStringList lines;
    for (const Destination& record : destinations())
        lines << padded(record.name, 9) + u' ' + padded(record.shownCaption(), captionColumns) + u' ' + record.format;
    return lines;
}

} // namespace tarnwick::cli
