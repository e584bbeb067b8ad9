#include "filelist.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

FileList::FileList(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Long modem names ("ModemLog_PCI Soft Data Fax Modem with SmartCP.txt") are shown whole,
    // with a scroll bar when they do not fit.
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setAccessibleName(QStringLiteral("Files"));
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { Q_EMIT fileDoubleClicked(item->text()); });
}

void FileList::setPattern(const QString& pattern)
{
    m_pattern = pattern;
    refresh();
}

bool FileList::setPath(const QString& path)
{
    if (path.isEmpty() || !QFileInfo(path).isDir())
        return false;
    m_path = path;
    refresh();
    return true;
}

void FileList::refresh()
{
    clear();
    if (m_path.isEmpty())
        return;
    const QStringList names = QDir(m_path).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        if (matches(name, m_pattern)) {
            auto* item = new QListWidgetItem(name, this);
            item->setToolTip(name);
        }
    }
}

QStringList FileList::fileNames() const
{
    QStringList names;
    for (int i = 0; i < count(); ++i)
        names << item(i)->text();
    return names;
}

QString FileList::selectedFileName() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void FileList::selectFile(const QString& fileName)
{
    const QList<QListWidgetItem*> found = findItems(fileName, Qt::MatchExactly);
    if (fileName.isEmpty() || found.isEmpty())
        return;
    setCurrentItem(found.first());
    found.first()->setSelected(true);
}

bool FileList::matches(const QString& fileName, const QString& pattern)
{
    const QStringList wildcards = pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& wildcard : wildcards) {
        const QRegularExpression expression(
            QRegularExpression::wildcardToRegularExpression(wildcard.trimmed()),
            QRegularExpression::CaseInsensitiveOption);
        if (expression.match(fileName).hasMatch())
            return true;
    }
    return false;
}
