#include "directorylist.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>

namespace
{
constexpr int PathRole = Qt::UserRole;
}

DirectoryList::DirectoryList(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setIndentation(12);
    setUniformRowHeights(true);
    setAccessibleName(QStringLiteral("Folders"));
    connect(this, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { open(item); });
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this] { Q_EMIT highlightedPathChanged(highlightedPath()); });
}

QString DirectoryList::highlightedPath() const
{
    const QTreeWidgetItem* item = currentItem();
    return item ? item->data(0, PathRole).toString() : m_path;
}

bool DirectoryList::setPath(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isDir())
        return false;
    const QString absolute = QDir::cleanPath(info.absoluteFilePath());
    const bool changed = absolute != m_path;
    m_path = absolute;
    refresh();
    if (changed)
        Q_EMIT pathChanged(m_path);
    return true;
}

void DirectoryList::refresh()
{
    clear();
    if (m_path.isEmpty())
        return;

    QStringList chain;
    QDir walker(m_path);
    chain.prepend(walker.absolutePath());
    while (walker.cdUp())
        chain.prepend(walker.absolutePath());

    QTreeWidgetItem* parent = nullptr;
    for (const QString& ancestor : chain) {
        const QString name = QFileInfo(ancestor).fileName();
        parent = addItem(parent, name.isEmpty() ? QDir::toNativeSeparators(ancestor) : name,
                         ancestor, true);
    }
    QTreeWidgetItem* current = parent;

    // Hidden directories are listed too: a modem log may well sit in one.
    const QStringList children = QDir(m_path).entryList(
        QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QString& child : children)
        addItem(current, child, filePath(child), false);

    expandAll();
    setCurrentItem(current);
    scrollToItem(current);
}

QString DirectoryList::filePath(const QString& fileName) const
{
    if (m_path.endsWith(QLatin1Char('/')))
        return m_path + fileName;
    return m_path + QLatin1Char('/') + fileName;
}

void DirectoryList::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Enter opens the directory here instead of pressing the window's default button.
        open(currentItem());
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void DirectoryList::drawBranches(QPainter*, const QRect&, const QModelIndex&) const
{
    // Every level is always open, so an expand arrow would promise something the list never does.
}

void DirectoryList::open(QTreeWidgetItem* item)
{
    if (item == nullptr)
        return;
    // A directory removed since the list was filled leaves the list where it is.
    setPath(item->data(0, PathRole).toString());
}

QTreeWidgetItem* DirectoryList::addItem(QTreeWidgetItem* parent, const QString& text,
                                        const QString& path, bool open)
{
    auto* item = parent == nullptr ? new QTreeWidgetItem(this) : new QTreeWidgetItem(parent);
    item->setText(0, text);
    item->setData(0, PathRole, path);
    item->setIcon(0,
                  style()->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon));
    item->setToolTip(0, QDir::toNativeSeparators(path));
    return item;
}
