#pragma once

#include "platform/textfile.h"

#include <QDirIterator>
#include <QMap>

// Every file under a folder with its bytes, for proving that a failed write changed nothing.
// Files whose name ends in `leaveOut` (a full disk's filler) are not taken.
inline QMap<QString, QByteArray> folderSnapshot(const QString& folder,
                                                const QString& leaveOut = QString())
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (leaveOut.isEmpty() || !path.endsWith(leaveOut))
            files.insert(path, TextFile::readBytes(path).value_or("<unread>"));
    }
    return files;
}

// Every file and every folder under a folder (a folder's bytes read "<folder>"), for proving that
// nothing at all was made.
inline QMap<QString, QByteArray> treeSnapshot(const QString& folder)
{
    QMap<QString, QByteArray> tree = folderSnapshot(folder);
    QDirIterator it(folder, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        tree.insert(it.next(), "<folder>");
    return tree;
}
