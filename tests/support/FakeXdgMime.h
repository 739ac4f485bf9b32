#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tarnwick::test {

// An xdg-mime first on PATH that names a viewer for compiled help files
// only while one is set, as a desktop with or without one would.
class FakeXdgMime
{
public:
    FakeXdgMime()
    {
        QFile script(m_dir.filePath("xdg-mime"));
        script.open(QIODevice::WriteOnly);
        script.write("#!/bin/sh\n"
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
    }
    void setChmViewer(const QByteArray& desktopFile) { qputenv("FAKE_CHM_VIEWER", desktopFile); }

private:
    QTemporaryDir m_dir;
    QByteArray m_path;
};

} // namespace tarnwick::test
