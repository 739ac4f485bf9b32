#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tarnwick::test {

// An xdg-mime first on PATH that names a viewer for compiled help files
// only while one is set, as a desktop with or without one would; or that
// never answers, as a hung desktop service leaves it. Each call is counted.
class FakeXdgMime
{
public:
    FakeXdgMime()
    {
        QFile script(m_dir.filePath("xdg-mime"));
        script.open(QIODevice::WriteOnly);
        script.write("#!/bin/sh\n"
                     "echo \"$3\" >> \"$(dirname \"$0\")/calls\"\n"
                     "[ -n \"$FAKE_XDG_MIME_HANGS\" ] && exec sleep 60\n"
                     "[ \"$1 $2\" = \"query default\" ] || exit 1\n"
                     "case \"$3\" in application/vnd.ms-htmlhelp|application/x-chm)\n"
                     "  [ -n \"$FAKE_CHM_VIEWER\" ] && echo \"$FAKE_CHM_VIEWER\";;\n"
                     "esac\n"
                     "exit 0\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(m_dir.path()) + ':' + m_path);
    }
    ~FakeXdgMime()
    {
        qputenv("PATH", m_path);
        qunsetenv("FAKE_CHM_VIEWER");
        qunsetenv("FAKE_XDG_MIME_HANGS");
    }
    void setChmViewer(const QByteArray& desktopFile) { qputenv("FAKE_CHM_VIEWER", desktopFile); }
    void setHanging(bool hangs)
    {
        if (hangs)
            qputenv("FAKE_XDG_MIME_HANGS", "1");
        else
            qunsetenv("FAKE_XDG_MIME_HANGS");
    }
    int calls() const
    {
        QFile log(m_dir.filePath("calls"));
        return log.open(QIODevice::ReadOnly) ? int(log.readAll().count('\n')) : 0;
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_path;
};

} // namespace tarnwick::test
