#include "platform/homepage.h"
#include "platform/programinfo.h"
#include "platform/shortcutmaker.h"
#include "sources/pppd/syslog/gzipstream.h"
#include "testregistry.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// Installs this build into a temporary prefix, as a package or a user would, and checks what
// landed there with the desktop's own validators.
class TstInstall : public QObject
{
    Q_OBJECT

    QTemporaryDir m_prefix;

    QString installed(const QString& path) const { return m_prefix.filePath(path); }

    // Runs a command; its output is the failure message.
    static void run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, arguments);
        QVERIFY2(process.waitForStarted(),
                 qPrintable(program + " is missing: scripts/setup installs it"));
        QVERIFY(process.waitForFinished(120000));
        const QString output = QString::fromUtf8(process.readAll());
        QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
                 qPrintable(program + ' ' + arguments.join(' ') + ":\n" + output));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_prefix.isValid());
        run(DIALTRAK_CMAKE, {"--install", DIALTRAK_BUILD_DIR, "--prefix", m_prefix.path()});
    }

    void installs_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("pixels"); // the side of a square picture, 0 for other files
        QTest::newRow("program") << "bin/dialtrak" << 0;
        QTest::newRow("desktop entry") << "share/applications/dialtrak.desktop" << 0;
        QTest::newRow("metainfo") << "share/metainfo/dialtrak.metainfo.xml" << 0;
        QTest::newRow("scalable icon") << "share/icons/hicolor/scalable/apps/dialtrak.svg" << 0;
        QTest::newRow("48 pixel icon") << "share/icons/hicolor/48x48/apps/dialtrak.png" << 48;
        QTest::newRow("256 pixel icon") << "share/icons/hicolor/256x256/apps/dialtrak.png" << 256;
        QTest::newRow("home page") << "share/doc/dialtrak/dialtrak.html" << 0;
        QTest::newRow("copyright") << "share/doc/dialtrak/copyright" << 0;
        QTest::newRow("changelog") << "share/doc/dialtrak/changelog.gz" << 0;
        QTest::newRow("manual page") << "share/man/man1/dialtrak.1.gz" << 0;
    }
    void installs()
    {
        QFETCH(QString, path);
        QFETCH(int, pixels);
        QVERIFY2(QFileInfo(installed(path)).isFile(), qPrintable(path));
        if (pixels > 0)
            QCOMPARE(QImage(installed(path)).size(), QSize(pixels, pixels));
    }

    void homePageShowsItsScreenshots()
    {
        QFile page(installed("share/doc/dialtrak/dialtrak.html"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(page.readAll());
        const QRegularExpression image(QStringLiteral("<img src=\"([^\"]+)\""));
        QStringList shown;
        for (const QRegularExpressionMatch& match : image.globalMatch(html))
            shown << match.captured(1);
        QCOMPARE(shown.size(), 4);
        for (const QString& picture : shown) {
            const QImage loaded(installed("share/doc/dialtrak/" + picture));
            QVERIFY2(!loaded.isNull(), qPrintable(picture));
        }
    }

    void validators_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments"); // {prefix} stands for the prefix
        // The project owns no domain to make a reverse-DNS id from: "dialtrak", the id of its
        // desktop entry, icon and program, is the id, and the hint against it stays a hint.
        const QString noDomain = QStringLiteral("--override=cid-desktopapp-is-not-rdns=info");
        QTest::newRow("desktop entry")
            << "desktop-file-validate"
            << QStringList{"{prefix}/share/applications/dialtrak.desktop"};
        // Pedantic, so a missing release (software centres show its date) fails too.
        QTest::newRow("metainfo") << "appstreamcli"
                                  << QStringList{"validate", "--pedantic", "--no-net", noDomain,
                                                 "{prefix}/share/metainfo/dialtrak.metainfo.xml"};
        // Also that the metainfo's launchable is the desktop entry installed beside it.
        QTest::newRow("installed tree")
            << "appstreamcli" << QStringList{"validate-tree", "--no-net", noDomain, "{prefix}"};
        // The manual page: compressed, its NAME line readable by mandb, and no warning from
        // groff, which ends well whatever it warns of.
        const QString page = QStringLiteral("{prefix}/share/man/man1/dialtrak.1.gz");
        QTest::newRow("manual page name") << "lexgrog" << QStringList{page};
        QTest::newRow("manual page warnings")
            << "sh"
            << QStringList{"-c",
                           "warnings=$(gzip -dc \"$0\" | groff -man -ww -z 2>&1) && "
                           "[ -z \"$warnings\" ] || { echo \"$warnings\"; exit 1; }",
                           page};
    }
    void validators()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        arguments.replaceInStrings("{prefix}", m_prefix.path());
        run(program, arguments);
    }

    // The changelog's newest entry is this very version, in Debian's form.
    void changelogStartsWithThisVersion()
    {
        QFile file(installed("share/doc/dialtrak/changelog.gz"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        GzipStream changelog(file);
        QByteArray text;
        char block[4096];
        qint64 length;
        while ((length = changelog.read(block, sizeof block)) > 0)
            text.append(block, length);
        QVERIFY2(length == 0, qPrintable(changelog.errorString()));
        QCOMPARE(text.left(text.indexOf('\n')),
                 "dialtrak (" + ProgramInfo::version().toUtf8() + ") unstable; urgency=medium");
    }

    // The .deb a user installs, made from this build as the README says, passes Debian's own
    // checks: lintian finds no error in it.
    void packageHasNoLintianErrors()
    {
        QTemporaryDir packages;
        QVERIFY(packages.isValid());
        run(DIALTRAK_CPACK, {"-G", "DEB", "--config", DIALTRAK_BUILD_DIR "/CPackConfig.cmake", "-B",
                             packages.path()});
        const QStringList built = QDir(packages.path()).entryList({"dialtrak_*.deb"}, QDir::Files);
        QCOMPARE(built.size(), 1);
        run("lintian",
            {"--fail-on", "error", "--tag-display-limit", "0", packages.filePath(built.first())});
    }

    // Help > Dialtrak on the Web opens the page installed beside the program.
    void installedProgramFindsItsHomePage()
    {
        QCOMPARE(HomePage::locate(installed("bin")),
                 QDir::cleanPath(installed("share/doc/dialtrak/dialtrak.html")));
    }

    // With the prefix on the PATH and among the data folders, as /usr and /usr/local are, the
    // installed menu entry starts the installed program, so choosing a modem log adds no second
    // launcher.
    void installedMenuEntryStartsTheProgram()
    {
        const QByteArray path = qgetenv("PATH");
        const QByteArray dataDirs = qgetenv("XDG_DATA_DIRS");
        qputenv("PATH", QFile::encodeName(installed("bin")) + ':' + path);
        qputenv("XDG_DATA_DIRS", QFile::encodeName(installed("share")));
        const bool starts = DesktopShortcutMaker::menuStarts(installed("bin/dialtrak"));
        qputenv("PATH", path);
        qputenv("XDG_DATA_DIRS", dataDirs);
        QVERIFY(starts);
    }
};

DIALTRAK_TEST(TstInstall)
#include "tst_install.moc"
