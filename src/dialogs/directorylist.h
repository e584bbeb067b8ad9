#pragma once

#include <QString>
#include <QTreeWidget>

// A directory list box: the current directory's ancestors from the drive down, then its
// subdirectories, each level indented. Double-click or Enter opens a directory.
class DirectoryList : public QTreeWidget
{
    Q_OBJECT
public:
    explicit DirectoryList(QWidget* parent = nullptr);

    QString path() const { return m_path; }
    // The directory the user has highlighted (a single click), else the current one: the
    // directory the user means when a window acts on "the chosen directory".
    QString highlightedPath() const;
    // False, and the list as it was, when there is no such directory.
    bool setPath(const QString& path);
    // Rereads the current directory's subdirectories.
    void refresh();
    // fileName inside the current directory, with one separator even at a drive's root.
    QString filePath(const QString& fileName) const;

Q_SIGNALS:
    void pathChanged(const QString& path);
    void highlightedPathChanged(const QString& path);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void drawBranches(QPainter* painter, const QRect& rect,
                      const QModelIndex& index) const override;

private:
    void open(QTreeWidgetItem* item);
    QTreeWidgetItem* addItem(QTreeWidgetItem* parent, const QString& text, const QString& path,
                             bool open);

    QString m_path;
};
