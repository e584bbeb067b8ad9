#include "selectlogfrm.h"

#include "directorylist.h"
#include "drivelist.h"
#include "filelist.h"
#include "platform/programinfo.h"
#include "platform/settingsstore.h"
#include "platform/shortcutmaker.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Selectlogfrm::Selectlogfrm(SettingsStore& settings, ShortcutMaker& shortcuts, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_shortcuts(shortcuts),
      m_label1(new QLabel(QStringLiteral("In your windows directory, select your modem log file-"),
                          this)),
      m_drive1(new DriveList(this)), m_dir1(new DirectoryList(this)), m_file1(new FileList(this)),
      m_check1(new QCheckBox(QStringLiteral("Show all \"log\" and \"txt\" files"), this)),
      m_cmdOK(new QPushButton(QStringLiteral("OK"), this)),
      m_command1(new QPushButton(QStringLiteral("Apply"), this)),
      m_command2(new QPushButton(QStringLiteral("Cancel"), this))
{
    setObjectName(QStringLiteral("Selectlogfrm"));
    setWindowTitle(QStringLiteral("Select Modem Log file"));
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_drive1->setObjectName(QStringLiteral("Drive1"));
    m_dir1->setObjectName(QStringLiteral("Dir1"));
    m_file1->setObjectName(QStringLiteral("File1"));
    m_check1->setObjectName(QStringLiteral("Check1"));
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command2->setObjectName(QStringLiteral("Command2"));

    m_cmdOK->setDefault(true);
    m_command1->setAutoDefault(false);
    m_command2->setAutoDefault(false);

    auto* lists = new QGridLayout;
    auto* drive = new QHBoxLayout;
    drive->addWidget(m_drive1->caption(this));
    drive->addWidget(m_drive1, 1);
    lists->addLayout(drive, 0, 0);
    lists->addWidget(m_dir1, 1, 0);
    lists->addWidget(m_file1, 0, 1, 2, 1);
    lists->setColumnStretch(0, 2);
    lists->setColumnStretch(1, 3);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_command1);
    buttons->addWidget(m_command2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label1);
    layout->addLayout(lists, 1);
    layout->addWidget(m_check1);
    layout->addLayout(buttons);
    resize(640, 380);

    connect(m_drive1, &DriveList::driveChanged, this, &Selectlogfrm::Drive1_Change);
    connect(m_dir1, &DirectoryList::pathChanged, this, &Selectlogfrm::Dir1_Change);
    connect(m_check1, &QCheckBox::toggled, this, &Selectlogfrm::Check1_Click);
    connect(m_file1, &FileList::fileDoubleClicked, this, &Selectlogfrm::cmdOK_Click);
    connect(m_file1, &QListWidget::itemSelectionChanged, this, &Selectlogfrm::enableChoice);
    connect(m_cmdOK, &QPushButton::clicked, this, &Selectlogfrm::cmdOK_Click);
    connect(m_command1, &QPushButton::clicked, this, &Selectlogfrm::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &QDialog::reject);

    Form_Load();
}

void Selectlogfrm::Form_Load()
{
    m_file1->setPattern(modemPattern());
    m_drive1->setDrive(QDir::rootPath());
    // The folder of the modem log in use, where the user last found it; else the home
    // directory, which stands where the modem driver's Windows directory would be.
    const QFileInfo current(
        m_settings.read(QStringLiteral("Logfile"), QStringLiteral("Path"), QString()));
    if (!current.isAbsolute() || !m_dir1->setPath(current.absolutePath())) {
        if (!m_dir1->setPath(QDir::homePath()))
            m_dir1->setPath(m_drive1->drive());
    }
    m_file1->setPath(m_dir1->path());
    m_file1->selectFile(current.fileName());
    enableChoice();
}

void Selectlogfrm::enableChoice()
{
    // Without a file the chosen path would be a folder, replacing a good stored path.
    const bool chosen = !m_file1->selectedFileName().isEmpty();
    m_cmdOK->setEnabled(chosen);
    m_command1->setEnabled(chosen);
}

void Selectlogfrm::Drive1_Change(const QString& drive)
{
    m_dir1->setPath(drive);
}

void Selectlogfrm::Dir1_Change(const QString& path)
{
    m_file1->setPath(path);
}

void Selectlogfrm::Check1_Click(bool ticked)
{
    m_file1->setPattern(ticked ? allPattern() : modemPattern());
}

QString Selectlogfrm::chosenPath() const
{
    return QDir::toNativeSeparators(m_dir1->filePath(m_file1->selectedFileName()));
}

QString Selectlogfrm::choose()
{
    const QString path = chosenPath();
    m_settings.write(QStringLiteral("Logfile"), QStringLiteral("Path"), path);
    return path;
}

void Selectlogfrm::cmdOK_Click()
{
    if (m_file1->selectedFileName().isEmpty())
        return;
    const QString path = choose();
    m_shortcuts.setTargetPath(QCoreApplication::applicationFilePath());
    m_shortcuts.setTitle(ProgramInfo::title());
    // The program works without its launcher, so a failure here is not the user's concern.
    m_shortcuts.create();
    accept();
    if (m_reload)
        m_reload(path);
}

void Selectlogfrm::Command1_Click()
{
    if (m_file1->selectedFileName().isEmpty())
        return;
    const QString path = choose();
    if (m_reload)
        m_reload(path);
}
