#pragma once

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>

// Makes each path refuse writes, or undoes that: a folder refuses new files (its files stay writable unless
// listed too), a file refuses being written. By permissions for a user, and by the immutable attribute for
// root, whom permissions do not stop. True when every path refuses.
inline bool refuseWrites(const QStringList& paths, bool refuse)
{
    bool refused = true;
    for (const QString& path : paths) {
        QProcess::execute("chattr", {refuse ? "+i" : "-i", path});
        const QFile::Permissions kept = QFile::ReadOwner | QFile::ExeOwner;
        QFile::setPermissions(path, refuse ? kept : kept | QFile::WriteOwner);
        refused = refused && (QFileInfo(path).isDir() ? !QFile(path + "/probe").open(QIODevice::WriteOnly)
                                                      : !QFile(path).open(QIODevice::Append));
    }
    return refused;
}
