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
      m_check2(
          new QCheckBox(QStringLiteral("Show &every file (system logs such as syslog)"), this)),
      m_command3(
          new QPushButton(QStringLiteral("This Computer's &PPP and Mobile Connections"), this)),
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
    m_check2->setObjectName(QStringLiteral("Check2"));
    m_command3->setObjectName(QStringLiteral("Command3"));
    m_command3->setToolTip(QStringLiteral("pppd's records in this computer's system journal"));
    m_command3->setAutoDefault(false);
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
    buttons->addWidget(m_command3);
    buttons->addStretch();
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_command1);
    buttons->addWidget(m_command2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label1);
    layout->addLayout(lists, 1);
    layout->addWidget(m_check1);
    layout->addWidget(m_check2);
    layout->addLayout(buttons);
    resize(640, 380);

    connect(m_drive1, &DriveList::driveChanged, this, &Selectlogfrm::Drive1_Change);
    connect(m_dir1, &DirectoryList::pathChanged, this, &Selectlogfrm::Dir1_Change);
    connect(m_check1, &QCheckBox::toggled, this, &Selectlogfrm::Check1_Click);
    connect(m_check2, &QCheckBox::toggled, this, &Selectlogfrm::Check2_Click);
    connect(m_command3, &QPushButton::clicked, this, &Selectlogfrm::Command3_Click);
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
    const SourceChoice stored = SourceChoice::load(m_settings);
    const QFileInfo current(stored.kind == SourceChoice::Kind::Journal
                                ? SourceChoice::storedModemLog(m_settings)
                                : stored.path);
    // A system log has no extension: it is listed only among every file.
    if (stored.kind == SourceChoice::Kind::SystemLog)
        m_check2->setChecked(true);
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

void Selectlogfrm::Check1_Click(bool)
{
    applyFilePattern();
}

void Selectlogfrm::Check2_Click(bool)
{
    applyFilePattern();
}

void Selectlogfrm::applyFilePattern()
{
    m_file1->setPattern(m_check2->isChecked()   ? everyFilePattern()
                        : m_check1->isChecked() ? allPattern()
                                                : modemPattern());
}

void Selectlogfrm::Command3_Click()
{
    const SourceChoice journal{SourceChoice::Kind::Journal, QString()};
    journal.save(m_settings);
    placeShortcut();
    accept();
    if (m_reload)
        m_reload(journal);
}

QString Selectlogfrm::chosenPath() const
{
    return QDir::toNativeSeparators(m_dir1->filePath(m_file1->selectedFileName()));
}

SourceChoice Selectlogfrm::choose()
{
    const SourceChoice choice = SourceChoice::ofFile(chosenPath());
    choice.save(m_settings);
    return choice;
}

void Selectlogfrm::placeShortcut()
{
    m_shortcuts.setTargetPath(QCoreApplication::applicationFilePath());
    m_shortcuts.setTitle(ProgramInfo::title());
    // The program works without its launcher, so a failure here is not the user's concern.
    m_shortcuts.create();
}

void Selectlogfrm::cmdOK_Click()
{
    if (m_file1->selectedFileName().isEmpty())
        return;
    const SourceChoice choice = choose();
    placeShortcut();
    accept();
    if (m_reload)
        m_reload(choice);
}

void Selectlogfrm::Command1_Click()
{
    if (m_file1->selectedFileName().isEmpty())
        return;
    const SourceChoice choice = choose();
    if (m_reload)
        m_reload(choice);
}
