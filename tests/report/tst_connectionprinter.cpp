#include "log/connectiontable.h"
#include "report/print/connectionprinter.h"
#include "reporttable.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace
{

const QDateTime printedAt(QDate(2000, 4, 28), QTime(12, 0, 5));

QStringList documentOf(const ConnectionTable& table, bool twelveHour = false)
{
    const std::optional<QStringList> lines =
        ConnectionPrinter::documentLines(table, twelveHour, printedAt);
    return lines.value_or(QStringList{"documentLines failed"});
}

// The pages of a PDF as pdftotext reads them back, one text per page.
QStringList pdfPages(const QString& path)
{
    QProcess process;
    process.start("pdftotext", {"-layout", path, "-"});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split('\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

QStringList paintedPages(const QStringList& lines, const QString& path)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    if (!ConnectionPrinter::printTo(printer, lines))
        return {};
    return pdfPages(path);
}

// The connection numbers printed on a page, in order.
QList<int> numbersOn(const QString& page)
{
    static const QRegularExpression number(R"(^\s*(\d{3,4}): Connected on )",
                                           QRegularExpression::MultilineOption);
    QList<int> numbers;
    for (auto it = number.globalMatch(page); it.hasNext();)
        numbers << it.next().captured(1).toInt();
    return numbers;
}

} // namespace

class TstConnectionPrinter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is needed to read the printout back");
    }

    void documentLines_data()
    {
        QTest::addColumn<int>("connections");
        QTest::addColumn<bool>("twelveHour");
        QTest::addColumn<QStringList>("lines");
        const QString header = "Printed using Dialtrak.  Current date - 28/04/2000 12:00:05";
        QTest::newRow("no connections")
            << 0 << false
            << QStringList{header, "", "",
                           "Total time for the above connections = 0 hrs 0 mins 0 secs",
                           "Total cost for the above connections = £0.00"};
        QTest::newRow("two, 24-hour")
            << 2 << false
            << QStringList{
                   header,
                   "",
                   "       001: Connected on Sat 01 Apr 00, 10:00 for 0 hrs 01 mins 01 secs "
                   "costing £0.01 -call 1",
                   "       002: Connected on Sun 02 Apr 00, 10:00 for 0 hrs 01 mins 01 secs "
                   "costing £0.01 -call 2",
                   "",
                   "Total time for the above connections = 0 hrs 2 mins 2 secs",
                   "Total cost for the above connections = £0.02"};
        QTest::newRow("one, 12-hour")
            << 1 << true
            << QStringList{header,
                           "",
                           QString("       001: Connected on Sat 01 Apr 00, 10:00 %1 for 0 hrs 01 "
                                   "mins 01 secs costing £0.01 -call 1")
                               .arg(QLocale().amText()),
                           "",
                           "Total time for the above connections = 0 hrs 1 mins 1 secs",
                           "Total cost for the above connections = £0.01"};
    }
    void documentLines()
    {
        QFETCH(int, connections);
        QFETCH(bool, twelveHour);
        QFETCH(QStringList, lines);
        ConnectionTable table;
        fillDaily(table, connections);
        QCOMPARE(documentOf(table, twelveHour), lines);
    }

    void unreadableConnectionFailsTheDocument()
    {
        ConnectionTable table;
        fillDaily(table, 3);
        table[3].conndate = "garbage";
        QString error;
        QVERIFY(!ConnectionPrinter::documentLines(table, false, printedAt, &error).has_value());
        QVERIFY2(error.contains("003"), qPrintable(error));
    }

    void shortListOnOnePage()
    {
        QTemporaryDir dir;
        ConnectionTable table;
        fillDaily(table, 3);
        const QStringList pages = paintedPages(documentOf(table), dir.filePath("short.pdf"));
        QCOMPARE(pages.size(), 1);
        const QStringList lines = pages.first().split('\n', Qt::SkipEmptyParts);
        // pdftotext reads the header's double space back as one.
        QCOMPARE(lines.first().simplified(),
                 QString("Printed using Dialtrak. Current date - 28/04/2000 12:00:05"));
        QCOMPARE(numbersOn(pages.first()), (QList<int>{1, 2, 3}));
        // The connection lines stand further in than the header and the totals.
        const QString first = lines.at(1);
        QVERIFY2(first.startsWith("   ") && first.trimmed().startsWith("001: Connected on Sat 01"),
                 qPrintable(first));
        QVERIFY(pages.first().contains(
            QRegularExpression("^Total time for the above connections = 0 hrs 3 mins 3 secs",
                               QRegularExpression::MultilineOption)));
        QVERIFY(pages.first().contains(QRegularExpression(
            "^Total cost for the above connections = £0.03", QRegularExpression::MultilineOption)));
    }

    void longListRunsOverPages()
    {
        QTemporaryDir dir;
        ConnectionTable table;
        fillDaily(table, 200);
        const QStringList pages = paintedPages(documentOf(table), dir.filePath("long.pdf"));
        QVERIFY(pages.size() >= 3);
        QList<int> numbers;
        for (qsizetype p = 0; p < pages.size(); ++p) {
            QCOMPARE(pages.at(p).count("Printed using Dialtrak."), p == 0 ? 1 : 0);
            QVERIFY2(!numbersOn(pages.at(p)).isEmpty(), qPrintable(QString::number(p)));
            numbers << numbersOn(pages.at(p));
        }
        QList<int> expected;
        for (int n = 1; n <= 200; ++n)
            expected << n;
        QCOMPARE(numbers, expected);
        QVERIFY(
            pages.last().contains("Total time for the above connections = 3 hrs 23 mins 20 secs"));
        QVERIFY(pages.last().contains("Total cost for the above connections = £2.00"));
    }

    void lineWiderThanThePageIsNotCut()
    {
        QTemporaryDir dir;
        ConnectionTable table;
        QStringList words;
        for (int i = 1; i <= 60; ++i)
            words << QString("word%1").arg(i);
        table.append(costedRecord("2000-04-03", "21:05:00", 0, 1, 0, 0.1f, words.join(' ')));
        const QString text = paintedPages(documentOf(table), dir.filePath("wide.pdf")).join('\n');
        for (const QString& word : words)
            QVERIFY2(text.contains(QRegularExpression("\\b" + word + "\\b")), qPrintable(word));
    }

    void printerToFile()
    {
        QTemporaryDir dir;
        ConnectionTable table;
        fillDaily(table, 2);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("printed.pdf"));
        QVERIFY(ConnectionPrinter::printTo(printer, documentOf(table)));
        const QStringList pages = pdfPages(dir.filePath("printed.pdf"));
        QCOMPARE(pages.size(), 1);
        QCOMPARE(numbersOn(pages.first()), (QList<int>{1, 2}));
    }

    void printerThatCannotStartFails()
    {
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("missing folder/printed.pdf"));
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QVERIFY(!ConnectionPrinter::printTo(printer, documentOf(ConnectionTable())));
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void noPrinterFails()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a default printer");
        QVERIFY(!ConnectionPrinter::printconnect(documentOf(ConnectionTable())));
    }
};

DIALTRAK_TEST(TstConnectionPrinter)

#include "tst_connectionprinter.moc"
