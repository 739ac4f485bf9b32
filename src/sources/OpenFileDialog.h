#pragma once

#include "platform/Dialogs.h"

#include <QCoreApplication>

#include <QObject>
#include <QPointer>

namespace tarnwick {

// The common-dialog object of the main window; the program uses its Open
// dialog for adding a file. A confirmed file makes its folder the process's
// current folder, and the next dialog opens on the file chosen before.
class OpenFileDialog
{
public:
    explicit OpenFileDialog(Dialogs& dialogs) : m_dialogs(dialogs) {}

    bool FontUnderline() const { return m_fontUnderline; }
    void setFontUnderline(bool v) { m_fontUnderline = v; }
    bool FontItalic() const { return m_fontItalic; }
    void setFontItalic(bool v) { m_fontItalic = v; }
    bool FontBold() const { return m_fontBold; }
    void setFontBold(bool v) { m_fontBold = v; }
    qint16 FontSize() const { return m_fontSize; }
    void setFontSize(qint16 v) { m_fontSize = v; }
    QString FontName() const { return m_fontName; }
    void setFontName(const QString& v) { m_fontName = v; }
    qint32 Color() const { return m_color; }
    void setColor(qint32 v) { m_color = v; }
    QString DefExt() const { return m_defExt; }
    void setDefExt(const QString& v) { m_defExt = v; }
    QString Title() const { return beforeNul(m_title); }
    void setTitle(const QString& v) { m_title = v; }

    void Init(QObject* owner) { m_owner = owner; }
    QObject* owner() const { return m_owner; }

    QString Path() const { return beforeNul(m_path); }
    void setPath(const QString& v) { m_path = v; }
    QString FileTitle() const { return beforeNul(m_fileTitle); }
    void setFileTitle(const QString& v) { m_fileTitle = v; }
    QString Filter() const { return m_filter; }
    void setFilter(const QString& v) { m_filter = v; }
    QString FileName() const { return beforeNul(m_fileName); }
    void setFileName(const QString& v) { m_fileName = v; }

    // True when the user confirmed a file; on cancel nothing changes.
    bool ShowOpen();
    // The same dialog taking one or more files: the files in the dialog's
    // order, the first of them kept as FileName; empty on cancel.
    QStringList ShowOpenSeveral();

    static QString beforeNul(const QString& text);

private:
    OpenFileRequest request() const;
    void remember(const QString& chosen);
    Dialogs& m_dialogs;
    QString m_fileTitle;
    QString m_path;
    QString m_filter;
    QString m_fileName;
    qint32 m_color = 0;
    QString m_title;
    QPointer<QObject> m_owner;
    QString m_defExt;
    QString m_fontName;
    qint16 m_fontSize = 0;
    bool m_fontBold = false;
    bool m_fontItalic = false;
    bool m_fontUnderline = false;
};

// The one-call open-file dialog of the drop zone. An empty, blank or
// unlistable initial folder opens in the program's folder; the folder is
// rewritten to the one used. The current folder is left where it was.
QString pickOpenFile(Dialogs& dialogs, const QString& programFolder, const QString& title,
                     QString& initialFolder, const QString& filter);

// The prompt of every folder browser the program shows.
inline QString folderPrompt()
{
    return QCoreApplication::translate("tarnwick::OpenFileDialog", "Select a folder:");
}

} // namespace tarnwick
