#include "log/connectiontable.h"
#include "recordingprogress.h"
#include "scriptedprompter.h"
#include "testregistry.h"
#include "views/extrainfoeditor.h"
#include "views/writtenview.h"
#include "viewtable.h"

#include <QListWidget>
#include <QTest>

using Inputs = QList<std::optional<QString>>;
using Answers = QList<Prompter::Answer>;

// Connections 1, 2 and 5 on one day, 1000 on the next; the written view's lines for them.
class EditorFixture
{
public:
    EditorFixture()
    {
        fillTwoADay(table, ConnectionTable::Capacity);
        for (int n = 1; n <= ConnectionTable::Capacity; ++n)
            table[n].conndate = n == 1000 ? "2000-04-04" : "2000-04-03";
        table[1].otherinfo = "Peak Rate";
        table[5].otherinfo = "my note";
        table[1000].otherinfo = "Unknown End";
        table.tableViewCurrent = true;
        view.displaywritten(false);
    }
    // The written view's line of a connection, or its empty separator for 0.
    QString line(int number) const
    {
        if (number == 0)
            return QString();
        for (int row = 0; row < view.list()->count(); ++row) {
            const QString text = view.list()->item(row)->text();
            if (text.startsWith(QString("%1: ").arg(number, 3, 10, QLatin1Char('0'))))
                return text;
        }
        return QString();
    }
    QStringList lines(const QList<int>& numbers) const
    {
        QStringList result;
        for (int n : numbers)
            result << line(n);
        return result;
    }

    ConnectionTable table;
    RecordingProgress progress;
    WrittenView view{table, progress};
    ScriptedPrompter prompter;
    int saves = 0;
    ExtraInfoEditor editor{table, prompter, [this] { ++saves; }};
};

class TstExtraInfoEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void enterit_data()
    {
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<Inputs>("inputs");
        QTest::addColumn<QStringList>("prompts");
        QTest::addColumn<QStringList>("proposed");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<bool>("tableCurrent");

        QTest::newRow("text replaces a marker")
            << QList<int>{1} << Inputs{QString("work call")}
            << QStringList{"Enter extra connection information for connection number 001"}
            << QStringList{"Peak Rate"} << QStringList{"work call"} << false;
        QTest::newRow("empty answer keeps")
            << QList<int>{5} << Inputs{QString()}
            << QStringList{"Enter extra connection information "
                           "for connection number 005"}
            << QStringList{"my note"} << QStringList{"my note"} << true;
        QTest::newRow("cancel keeps") << QList<int>{5} << Inputs{std::nullopt}
                                      << QStringList{"Enter extra connection information for "
                                                     "connection number 005"}
                                      << QStringList{"my note"} << QStringList{"my note"} << true;
        QTest::newRow("three lines, three boxes in list order")
            << QList<int>{1, 0, 2, 5} << Inputs{QString("a"), std::nullopt, QString("c")}
            << QStringList{"Enter extra connection information for connection number 001",
                           "Enter extra connection information for connection number 002",
                           "Enter extra connection information for connection number 005"}
            << QStringList{"Peak Rate", "", "my note"} << QStringList{"a", "", "c"} << false;
        QTest::newRow("connection 1000")
            << QList<int>{1000} << Inputs{QString("last one")}
            << QStringList{"Enter extra connection information for connection number 1000"}
            << QStringList{"Unknown End"} << QStringList{"last one"} << false;
    }
    void enterit()
    {
        QFETCH(QList<int>, numbers);
        QFETCH(Inputs, inputs);
        QFETCH(QStringList, prompts);
        QFETCH(QStringList, proposed);
        QFETCH(QStringList, after);
        QFETCH(bool, tableCurrent);
        EditorFixture f;
        f.prompter.inputs = inputs;

        QVERIFY(f.editor.enterit(f.lines(numbers)));
        QCOMPARE(f.prompter.texts(), prompts);
        QStringList shownProposed;
        for (const ScriptedPrompter::Shown& shown : f.prompter.shown) {
            QVERIFY(shown.isInput);
            QCOMPARE(shown.title, QString("Extra Connection Information Input"));
            shownProposed << shown.proposed;
        }
        QCOMPARE(shownProposed, proposed);
        QStringList stored;
        for (int n : numbers) {
            if (n > 0)
                stored << f.table[n].otherinfo;
        }
        QCOMPARE(stored, after);
        QCOMPARE(f.table.tableViewCurrent, tableCurrent);
        QCOMPARE(f.saves, 1);
    }

    void reminfo_data()
    {
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<QStringList>("after");

        QTest::newRow("yes removes")
            << QList<int>{5} << Answers{Prompter::Answer::Yes}
            << QStringList{"Do you want to remove the extra connectioin information stored for "
                           "conection number 005 ?"}
            << QStringList{""};
        QTest::newRow("no keeps")
            << QList<int>{5} << Answers{Prompter::Answer::No}
            << QStringList{"Do you want to remove the extra connectioin information stored for "
                           "conection number 005 ?"}
            << QStringList{"my note"};
        QTest::newRow("nothing to remove asks nothing")
            << QList<int>{2} << Answers{} << QStringList{} << QStringList{""};
        QTest::newRow("a marker and connection 1000")
            << QList<int>{0, 1, 2, 0, 1000} << Answers{Prompter::Answer::Yes, Prompter::Answer::Yes}
            << QStringList{"Do you want to remove the extra connectioin information stored for "
                           "conection number 001 ?",
                           "Do you want to remove the extra connectioin information stored for "
                           "conection number 1000 ?"}
            << QStringList{"", "", ""};
    }
    void reminfo()
    {
        QFETCH(QList<int>, numbers);
        QFETCH(Answers, answers);
        QFETCH(QStringList, questions);
        QFETCH(QStringList, after);
        EditorFixture f;
        f.prompter.answers = answers;

        QVERIFY(f.editor.reminfo(f.lines(numbers)));
        QCOMPARE(f.prompter.texts(), questions);
        for (const ScriptedPrompter::Shown& shown : f.prompter.shown) {
            QVERIFY(!shown.isInput);
            QCOMPARE(shown.buttons, Prompter::Buttons::YesNo);
            QCOMPARE(shown.defaultButton, Prompter::Answer::No); // cannot be undone
        }
        QStringList stored;
        for (int n : numbers) {
            if (n > 0)
                stored << f.table[n].otherinfo;
        }
        QCOMPARE(stored, after);
        // Every connection line clears the flag, asked or not.
        QVERIFY(!f.table.tableViewCurrent);
        QCOMPARE(f.saves, 1);
    }

    void separatorsOnlyStillSave_data()
    {
        QTest::addColumn<bool>("remove");
        QTest::newRow("edit") << false;
        QTest::newRow("remove") << true;
    }
    void separatorsOnlyStillSave()
    {
        QFETCH(bool, remove);
        EditorFixture f;
        const QStringList separators{QString(), QString()};
        QVERIFY(remove ? f.editor.reminfo(separators) : f.editor.enterit(separators));
        QVERIFY(f.prompter.shown.isEmpty());
        QCOMPARE(f.saves, 1);
        QVERIFY(f.table.tableViewCurrent);

        QVERIFY(!(remove ? f.editor.reminfo({}) : f.editor.enterit({})));
        QCOMPARE(f.saves, 1);
    }
};

DIALTRAK_TEST(TstExtraInfoEditor)
#include "tst_extrainfoeditor.moc"
