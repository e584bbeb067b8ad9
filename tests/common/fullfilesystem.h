#pragma once

#include <QString>
#include <QTemporaryDir>

// A folder on a file system that can be made full. As root, a small tmpfs is mounted on it, so
// writes fail with "no space left" as on a real full disk; where the process may not mount, the
// process's file size limit is set to zero instead, so every write of a byte fails (EFBIG) the
// same way. way() says which one ran, for the test's output.
class FullFileSystem
{
public:
    FullFileSystem();
    ~FullFileSystem();
    FullFileSystem(const FullFileSystem&) = delete;
    FullFileSystem& operator=(const FullFileSystem&) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    QString way() const;

    // From now on no write in the folder can store a byte.
    void fill();
    // Space again, for clean-up and for reading back.
    void release();

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    bool m_full = false;
};
