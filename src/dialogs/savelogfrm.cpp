#include "savelogfrm.h"

#include "directorylist.h"
#include "drivelist.h"
#include "log/connectiontable.h"
#include "platform/prompter.h"
#include "report/textexport.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

savelogfrm::savelogfrm(const ConnectionTable& table, bool twelveHour, Prompter& prompter,
                       const QString& startFolder, QWidget* parent)
    : QDialog(parent), m_table(table), m_twelveHour(twelveHour), m_prompter(prompter),
      m_label1(new QLabel(
          QStringLiteral("Choose a directory to save the current connection information to."),
          this)),
      m_drive1(new DriveList(this)), m_dir1(new DirectoryList(this)),
      m_label2(new QLabel(QStringLiteral("Data will be saved in the file called -"), this)),
      m_text1(new QLabel(this)), m_folder(new QLabel(this)),
      m_cmdOK(new QPushButton(QStringLiteral("OK"), this)),
      m_command2(new QPushButton(QStringLiteral("Cancel"), this))
{
    setObjectName(QStringLiteral("savelogfrm"));
    setWindowTitle(QStringLiteral("Save Connection Information as Text File"));
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_drive1->setObjectName(QStringLiteral("Drive1"));
    m_dir1->setObjectName(QStringLiteral("Dir1"));
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_text1->setObjectName(QStringLiteral("text1"));
    m_folder->setObjectName(QStringLiteral("folder"));
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_command2->setObjectName(QStringLiteral("Command2"));

    m_label1->setWordWrap(true);
    QFont bold = m_text1->font();
    bold.setBold(true);
    m_text1->setFont(bold);
    m_text1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Where the file will be, in full, so the user can find it afterwards.
    m_folder->setWordWrap(true);
    m_folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_dir1->setAccessibleName(m_label1->text());
    m_cmdOK->setDefault(true);
    m_command2->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_command2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label1);
    auto* drive = new QHBoxLayout;
    drive->addWidget(m_drive1->caption(this));
    drive->addWidget(m_drive1, 1);
    layout->addLayout(drive);
    layout->addWidget(m_dir1, 1);
    layout->addWidget(m_label2);
    layout->addWidget(m_text1);
    layout->addWidget(m_folder);
    layout->addLayout(buttons);
    resize(420, 380);

    connect(m_drive1, &DriveList::driveChanged, this, &savelogfrm::Drive1_Change);
    connect(m_dir1, &DirectoryList::highlightedPathChanged, this, &savelogfrm::showDestination);
    connect(m_cmdOK, &QPushButton::clicked, this, &savelogfrm::cmdOK_Click);
    connect(m_command2, &QPushButton::clicked, this, &QDialog::reject);

    Form_Load(startFolder);
}

void savelogfrm::Form_Load(const QString& startFolder)
{
    m_fileName = TextExport::fileName(m_table);
    m_text1->setText(m_fileName);
    m_drive1->setDrive(startFolder);
    if (!m_dir1->setPath(startFolder))
        m_dir1->setPath(m_drive1->drive());
    showDestination();
}

void savelogfrm::showDestination()
{
    m_folder->setText(QStringLiteral("in the folder ") +
                      QDir::toNativeSeparators(m_dir1->highlightedPath()));
}

void savelogfrm::Drive1_Change(const QString& drive)
{
    m_dir1->setPath(drive);
}

QString savelogfrm::exportPath() const
{
    return QDir(m_dir1->highlightedPath()).filePath(m_fileName);
}

void savelogfrm::cmdOK_Click()
{
    // A date that cannot be read leaves no file name; writing to the bare directory path
    // would only fail less clearly.
    m_saved =
        !m_fileName.isEmpty() && TextExport::savelinestofile(exportPath(), m_table, m_twelveHour);
    if (m_saved)
        m_prompter.message(TextExport::successMessage());
    else
        m_prompter.message(TextExport::failureMessage(), Prompter::Icon::Warning);
    accept();
}
