#include "form/QtSeams.h"

#include "form/TimeRangeDialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QUrl>

namespace tarnwick {

namespace {
// "*.*" means every file to a Windows dialog; elsewhere it would hide names
// without a dot.
QString nameFilter(const FileFilter& filter)
{
    QString pattern = filter.pattern;
    if (pattern == u"*.*")
        pattern = QStringLiteral("*");
    return filter.label + QStringLiteral(" (") + pattern + u')';
}
} // namespace

std::optional<QString> QtDialogs::openFile(const OpenFileRequest& request)
{
    const auto chosen = open(request, QFileDialog::ExistingFile);
    return chosen ? std::optional<QString>(chosen->constFirst()) : std::nullopt;
}

std::optional<QStringList> QtDialogs::openFiles(const OpenFileRequest& request)
{
    return open(request, QFileDialog::ExistingFiles);
}

std::optional<QString> QtDialogs::askText(const TextRequest& request)
{
    bool ok = false;
    const QString text = QInputDialog::getText(m_owner, request.title, request.label, QLineEdit::Normal, request.text, &ok);
    return ok ? std::optional<QString>(text) : std::nullopt;
}

std::optional<QStringList> QtDialogs::open(const OpenFileRequest& request, int mode)
{
    QFileDialog dialog(m_owner, request.title, request.initialFolder);
    dialog.setFileMode(QFileDialog::FileMode(mode));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    QStringList filters;
    for (const FileFilter& filter : request.filters)
        filters << nameFilter(filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    if (!request.initialFile.isEmpty()) {
        const QFileInfo previous(request.initialFile);
        if (previous.isAbsolute())
            dialog.setDirectory(previous.absolutePath());
        dialog.selectFile(previous.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    QStringList files;
    for (const QString& file : dialog.selectedFiles())
        files << QDir::toNativeSeparators(file);
    return files;
}

std::optional<QString> QtDialogs::browseFolder(const QString& prompt)
{
    const QString folder = QFileDialog::getExistingDirectory(m_owner, prompt, QDir::currentPath());
    if (folder.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(folder);
}

std::optional<TimeRangeAnswer> QtDialogs::askTimeRange(const TimeRangeRequest& request)
{
    TimeRangeDialog dialog(request, m_owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.answer();
}

bool DesktopShell::openPath(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool DesktopShell::openAddress(const QString& address)
{
    // Tolerant mode keeps what the address says as it stands ("/" and blanks
    // in a mail subject included).
    return QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

void DesktopShell::beep()
{
    QApplication::beep();
}

} // namespace tarnwick
