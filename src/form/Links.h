#pragma once

#include <QDir>
#include <QString>
#include <QUrl>

namespace tarnwick::links {

// The product's site ships with the program, so its pages open without a network.
inline QString siteFolder(const QString& programFolder)
{
    return programFolder + QDir::separator() + QStringLiteral("site");
}
inline QString helpFile(const QString& programFolder)
{
    return programFolder + QDir::separator() + QStringLiteral("help.chm");
}
inline QString tutorialPage(const QString& programFolder)
{
    return QUrl::fromLocalFile(siteFolder(programFolder)).toString() + QStringLiteral("/tutorial.html");
}
inline QString productPage(const QString& programFolder)
{
    return QUrl::fromLocalFile(siteFolder(programFolder)).toString() + QStringLiteral("/tarnwick.html");
}
inline const QString kWebCaption = QStringLiteral("www.tarnwick.example");
inline const QString kFeedbackMailbox = QStringLiteral("feedback@tarnwick.example");
inline QString feedbackMail()
{
    return QStringLiteral("mailto:") + kFeedbackMailbox + QStringLiteral("?subject=Feedback/Bug Report");
}

} // namespace tarnwick::links
