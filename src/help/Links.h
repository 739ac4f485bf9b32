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
// The same help as HTML pages, for a desktop that opens no .chm file.
inline QString helpFolder(const QString& programFolder)
{
    return programFolder + QDir::separator() + QStringLiteral("help");
}
inline QString helpIndex(const QString& programFolder)
{
    return helpFolder(programFolder) + QDir::separator() + QStringLiteral("index.html");
}
inline QString tutorialPage(const QString& programFolder)
{
    return QUrl::fromLocalFile(siteFolder(programFolder)).toString() + QStringLiteral("/tutorial.html");
}
inline const QString kWebCaption = QStringLiteral("www.tarnwick.example");
// The address the caption names: what it says is what a click opens.
inline QString productPage()
{
    return QStringLiteral("https://") + kWebCaption + u'/';
}
inline const QString kFeedbackMailbox = QStringLiteral("feedback@tarnwick.example");
inline QString feedbackMail()
{
    return QStringLiteral("mailto:") + kFeedbackMailbox + QStringLiteral("?subject=Feedback/Bug Report");
}

} // namespace tarnwick::links
