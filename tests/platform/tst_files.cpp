#include "platform/filestream.h"
#include "platform/quotedfields.h"
#include "platform/settingsstore.h"
#include "platform/shortcutmaker.h"
#include "platform/textfile.h"
#include "testenvironment.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

class TstFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void quotedFieldsSplit_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("own log record") << "\"2000-04-15\",\"10:05:00\",\"11:00:12\""
                                        << QStringList{"2000-04-15", "10:05:00", "11:00:12"};
        QTest::newRow("comma inside quotes") << "\"a, b\",\"c\"" << QStringList{"a, b", "c"};
        QTest::newRow("doubled quote") << "\"say \"\"hi\"\"\"" << QStringList{"say \"hi\""};
        QTest::newRow("empty field") << "\"\"" << QStringList{""};
        QTest::newRow("unquoted") << "15/04/00, 10:05:00" << QStringList{"15/04/00", "10:05:00"};
        QTest::newRow("old file, undoubled quote inside")
            << "\"the \"big\" call\"" << QStringList{"the \"big\" call"};
        QTest::newRow("missing fields") << "\"2000-04-15\"" << QStringList{"2000-04-15"};
    }
    void quotedFieldsSplit()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, fields);
        QCOMPARE(QuotedFields::split(line), fields);
    }

    void quotedFieldsRoundTrip_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("plain") << QStringList{"2000-04-15", "10:05:00"};
        QTest::newRow("quotes and commas") << QStringList{"a \"quoted\", text", "\"\"\""};
        QTest::newRow("empty") << QStringList{""};
    }
    void quotedFieldsRoundTrip()
    {
        QFETCH(QStringList, fields);
        QCOMPARE(QuotedFields::split(QuotedFields::join(fields)), fields);
    }

    void textFileWritesCrLfAndReadsBothEndings()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.txt");
        QVERIFY(TextFile::writeLines(path, {"one", "", "three"}));
        QCOMPARE(*TextFile::readBytes(path), QByteArray("one\r\n\r\nthree\r\n"));
        QCOMPARE(*TextFile::readLines(path), (QStringList{"one", "", "three"}));
        QCOMPARE(TextFile::splitLines(QByteArray("a\nb\r\nc")), (QList<QByteArray>{"a", "b", "c"}));
        // CR alone ends a line too, as some editors save.
        QCOMPARE(TextFile::splitLines(QByteArray("a\rb\r\rc\r")),
                 (QList<QByteArray>{"a", "b", "", "c"}));
        QVERIFY(!TextFile::readBytes(dir.filePath("missing")).has_value());
    }

    void failedWriteLeavesTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("keep.txt");
        QVERIFY(TextFile::writeLines(path, {"old"}));
        // A directory of that name stands where the temporary file must go: the write fails.
        QVERIFY(QDir(dir.path()).mkdir("sub"));
        QVERIFY(!TextFile::writeLines(dir.filePath("sub"), {"new"}));
        QVERIFY(!TextFile::writeLines(dir.filePath("missing/dir/file.txt"), {"new"}));
        QCOMPARE(*TextFile::readBytes(path), QByteArray("old\r\n"));
    }

    void onlyRegularFilesAreRead_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("endless device") << "/dev/zero";
        QTest::newRow("named pipe") << "fifo";
        QTest::newRow("folder") << "folder";
    }
    void onlyRegularFilesAreRead()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString path = kind;
        if (kind == "fifo") {
            path = dir.filePath("pipe");
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == "folder") {
            path = dir.path();
        }
        // Would never return (a pipe without writer) or fill the memory (/dev/zero).
        QVERIFY(!TextFile::readBytes(path).has_value());
    }

    void aFileCutShortWhileReadEndsTheRead()
    {
        // As logrotate's copytruncate or another window emptying the log would: the read stops
        // early and says the file changed (a mapping of it would have killed the program).
        QTemporaryDir dir;
        const QString path = dir.filePath("modem.log");
        QVERIFY(TextFile::writeBytes(path, QByteArray(3 * FileStream::ChunkSize, 'x')));
        FileStream stream(path);
        QCOMPARE(stream.next().size(), FileStream::ChunkSize);
        QVERIFY(QFile::resize(path, 0));
        QVERIFY(stream.next(10).isEmpty());
        QVERIFY(!stream.failed());
        QVERIFY(stream.changedWhileRead());
    }

    void writesGoThroughLinks()
    {
        // The link stays a link, and the file its other users read is the one changed.
        QTemporaryDir dir;
        const QString target = dir.filePath("real.dtk");
        const QString link = dir.filePath("link.dtk");
        QVERIFY(TextFile::writeBytes(target, "old"));
        QVERIFY(QFile::link(target, link));
        QVERIFY(TextFile::writeBytes(link, "new"));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(*TextFile::readBytes(target), QByteArray("new"));
    }

    void decodesUtf8OrWindows1252_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("utf-8") << QByteArray("caf\xc3\xa9 \xe2\x82\xac\r\n")
                               << QStringList{"caf\u00e9 \u20ac"};
        QTest::newRow("windows-1252") << QByteArray("caf\xe9 \x80 \x93hi\x94\r\n")
                                      << QStringList{"caf\u00e9 \u20ac \u201chi\u201d"};
        QTest::newRow("one line of each") << QByteArray("\xe9t\xe9\r\n\xc3\xa9t\xc3\xa9\r\n")
                                          << QStringList{"\u00e9t\u00e9", "\u00e9t\u00e9"};
    }
    void decodesUtf8OrWindows1252()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QTemporaryDir dir;
        const QString path = dir.filePath("notes.dtk");
        QVERIFY(TextFile::writeBytes(path, bytes));
        QCOMPARE(*TextFile::readLines(path), lines);
        // Written back as UTF-8, whatever it was read as.
        QVERIFY(TextFile::writeLines(path, lines));
        QCOMPARE(QString::fromUtf8(*TextFile::readBytes(path)), lines.join("\r\n") + "\r\n");
    }

    void settingsReadsGiveDefaultsAndWriteNothing()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath("Modemtally.conf");
        {
            SettingsStore store(ini);
            QCOMPARE(store.read("Logfile", "Path", QString()), QString());
            QCOMPARE(store.read("Display", "show in", "written"), QString("written"));
            QCOMPARE(store.read("Colours", "2", "8421376"), QString("8421376"));
        }
        QVERIFY(!QFile::exists(ini));
        {
            SettingsStore store(ini);
            store.write("Display", "show in", "table");
            store.write("TimesAndTarifs", "Thus23", "255");
        }
        SettingsStore again(ini);
        QCOMPARE(again.read("Display", "show in", "written"), QString("table"));
        QCOMPARE(again.read("TimesAndTarifs", "Thus23", "0"), QString("255"));
    }

    void settingsThatCannotBeWrittenSaySo()
    {
        QTemporaryDir dir;
        // A file where the settings' folder should be: not even root can write there.
        QVERIFY(TextFile::writeBytes(dir.filePath("blocked"), "x"));
        SettingsStore store(dir.filePath("blocked/Modemtally.conf"));
        store.write("TimesAndTarifs", "Rate1", "0.04");
        QString reason;
        QVERIFY(!store.sync(&reason));
        QVERIFY(store.notSavedMessage(reason).contains(store.fileName()));

        SettingsStore writable(dir.filePath("Modemtally.conf"));
        writable.write("TimesAndTarifs", "Rate1", "0.04");
        QVERIFY(writable.sync());
    }

    void userStoreLivesUnderModemtally()
    {
        SettingsStore store;
        QCOMPARE(store.fileName(), TestEnvironment::home() + "/.config/Modemtally/Modemtally.conf");
    }

    void shortcutIsADesktopLauncher_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("exec");
        // The quoting escapes, then every backslash once more, as string values need.
        QTest::newRow("space") << "/opt/dial trak/dialtrak"
                               << "\"/opt/dial trak/dialtrak\"";
        QTest::newRow("dollar") << "/opt/a$b/dialtrak"
                                << "\"/opt/a\\\\$b/dialtrak\"";
        QTest::newRow("quote") << "/opt/a\"b/dialtrak"
                               << "\"/opt/a\\\\\"b/dialtrak\"";
        QTest::newRow("backslash") << "/opt/a\\b/dialtrak"
                                   << "\"/opt/a\\\\\\\\b/dialtrak\"";
    }
    void shortcutIsADesktopLauncher()
    {
        QFETCH(QString, target);
        QFETCH(QString, exec);
        DesktopShortcutMaker maker;
        maker.setTargetPath(target);
        maker.setTitle("Dialtrak");
        QVERIFY(maker.create());
        const QString path = DesktopShortcutMaker::applicationsDirectory() + "/Dialtrak.desktop";
        QVERIFY(path.startsWith(TestEnvironment::home()));
        const QString text = QString::fromUtf8(*TextFile::readBytes(path));
        QVERIFY(text.startsWith("[Desktop Entry]\n"));
        QVERIFY(text.contains("Name=Dialtrak\n"));
        QVERIFY2(text.contains("\nExec=" + exec + "\n"), qPrintable(text));
        QVERIFY(!text.contains('\r'));
    }

    // The menu entry in effect, dialtrak.desktop, found in the user's folder before the
    // system's, already starts the program when its Exec names it: by its path, or by its name
    // on the PATH.
    void noShortcutWhenTheMenuStartsTheProgram_data()
    {
        QTest::addColumn<QString>("entryIn"); // "", "system" or "user"
        QTest::addColumn<QString>("exec");    // {bin} stands for the program's folder
        QTest::addColumn<bool>("placed");
        QTest::newRow("not installed") << ""
                                       << "" << true;
        QTest::newRow("installed, by name on the PATH") << "system"
                                                        << "dialtrak" << false;
        QTest::newRow("by its quoted path, with a field code") << "system"
                                                               << "\"{bin}/dialtrak\" %F" << false;
        QTest::newRow("escaped space before the field code") << "system"
                                                             << "\"{bin}/dialtrak\"\\s%F" << false;
        QTest::newRow("installed in the user's folder") << "user"
                                                        << "dialtrak" << false;
        QTest::newRow("another program of that name") << "system"
                                                      << "/usr/bin/dialtrak" << true;
        QTest::newRow("another program") << "system"
                                         << "{bin}/other" << true;
        QTest::newRow("no Exec") << "system"
                                 << "" << true;
    }
    void noShortcutWhenTheMenuStartsTheProgram()
    {
        QFETCH(QString, entryIn);
        QFETCH(QString, exec);
        QFETCH(bool, placed);
        QTemporaryDir dir;
        // A space in the folder, so that quoting is needed.
        const QString bin = dir.filePath("the bin");
        const QString target = bin + "/dialtrak";
        QVERIFY(QDir().mkpath(bin));
        for (const QString& program : QStringList{target, bin + "/other"}) {
            QVERIFY(TextFile::writeBytes(program, "#!/bin/sh\n"));
            QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
        }
        const QString userEntries = DesktopShortcutMaker::applicationsDirectory();
        const QString systemEntries = dir.filePath("share/applications");
        QFile::remove(userEntries + "/Dialtrak.desktop");
        QFile::remove(userEntries + "/dialtrak.desktop");
        if (!entryIn.isEmpty()) {
            const QString folder = entryIn == "user" ? userEntries : systemEntries;
            QString entry = "[Desktop Entry]\nType=Application\nName=Dialtrak\n";
            if (!exec.isEmpty())
                entry += "Exec=" + QString(exec).replace("{bin}", bin) + "\n";
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(TextFile::writeBytes(folder + "/dialtrak.desktop", entry.toUtf8()));
        }
        const QByteArray path = qgetenv("PATH");
        const QByteArray dataDirs = qgetenv("XDG_DATA_DIRS");
        qputenv("PATH", QFile::encodeName(bin));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(dir.filePath("share")));
        DesktopShortcutMaker maker;
        maker.setTargetPath(target);
        maker.setTitle("Dialtrak");
        const bool created = maker.create();
        qputenv("PATH", path);
        qputenv("XDG_DATA_DIRS", dataDirs);
        QFile::remove(userEntries + "/dialtrak.desktop");

        QVERIFY(created);
        QCOMPARE(QFile::exists(userEntries + "/Dialtrak.desktop"), placed);
    }
};

DIALTRAK_TEST(TstFiles)
#include "tst_files.moc"
