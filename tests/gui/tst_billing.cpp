#include "modemlogbuilder.h"
#include "platform/notifier.h"
#include "platform/textfile.h"
#include "programrun.h"
#include "report/commandreport.h"
#include "sources/sourcechoice.h"
#include "testregistry.h"

#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QTest>

namespace
{
class RecordingNotifier : public Notifier
{
public:
    void notify(const QString& summary, const QString& body) override
    {
        sent << summary + ": " + body;
    }
    QStringList sent;
};

// One rate for weekdays, another for Sundays, a budget of £1 and bills from the 15th; Easter
// Monday, 24 April 2000, is a holiday. Then 45 minutes on the holiday at 0.01 and 20 on a
// Wednesday at 0.02: £0.85 this bill, 85%. Today is Friday 28 April 2000.
struct Billing {
    Run run;
    RecordingNotifier notifier;
    ModemLogBuilder log = ModemLogBuilder()
                              .call("03-20-2000", "10:00:00", "10:05:00")
                              .call("04-24-2000", "10:00:00", "10:45:00")
                              .call("04-26-2000", "10:00:00", "10:20:00");

    void start()
    {
        const QList<std::pair<const char*, const char*>> tariff{
            {"Rate1", "0.02"}, {"Rate2", "0.02"},  {"Rate3", "0.01"},
            {"Budget", "1"},   {"Bill day", "15"}, {"Holidays", "2000-04-24"}};
        for (const auto& [key, value] : tariff)
            run.settings.write("TimesAndTarifs", key, value);
        run.settings.write("Logfile", "Path", run.modemLog);
        run.writeModemLog(log);
        run.window = std::make_unique<Form1>(run.services);
        run.window->setNotifier(&notifier);
        run.window->startup();
    }
    QString text(const QString& label) const { return run.child<QLabel>(label)->text(); }
};
} // namespace

class TstBilling : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void budgetWarningsAreToldOncePerThreshold()
    {
        Billing billing;
        billing.start();
        const QString near = "Near budget: this bill has used 85% of its budget (£0.85 of £1.00).";
        QVERIFY(billing.run.child<QLabel>("budgetwarning")->isVisible());
        QCOMPARE(billing.text("budgetwarning"), near);
        QCOMPARE(billing.notifier.sent, QStringList{"Dialtrak: bill budget: " + near});

        // Passing 100% tells once more; a restart, like a refresh, tells nothing new.
        billing.log.call("04-27-2000", "10:00:00", "10:10:00");
        billing.start();
        const QString over = "Over budget: this bill has used 105% of its budget (£1.05 of £1.00).";
        QCOMPARE(billing.text("budgetwarning"), over);
        QCOMPARE(billing.notifier.sent.mid(1), QStringList{"Dialtrak: bill budget: " + over});
        billing.start();
        QCOMPARE(billing.notifier.sent.size(), 2);
    }

    // The command line loads, costs and totals as the window does, notes and holidays included.
    void commandLineMatchesTheWindow()
    {
        Billing billing;
        Run& run = billing.run;
        QVERIFY(QDir().mkpath(run.services.programDirectory));
        QVERIFY(TextFile::writeLines(run.services.programDirectory +
                                         "/Extra information for Standard Modem.dtk",
                                     {"\"\"", "\"Easter, at home\""}));
        billing.start();
        const auto report = [&run](ReportRequest::Kind kind) {
            return QString::fromUtf8(CommandReport::run({kind, {}, {}, ReportRequest::Format::Text},
                                                        run.settings,
                                                        SourceChoice::load(run.settings), run.clock,
                                                        run.services.programDirectory)
                                         .output);
        };
        // The bill panel's figures, every one: calls, time, cost, projection and budget used.
        const QString calls = billing.text("billcalls");
        QCOMPARE(report(ReportRequest::Kind::Summary),
                 billing.text("billheading") + ": " + calls +
                     (calls == "1" ? " call, " : " calls, ") + billing.text("billtime") + ", " +
                     billing.text("billcost") + ", " + billing.text("billprojection") + ", " +
                     billing.text("billused_0") + " budget\n");
        run.action("swritten")->trigger();
        QStringList lines;
        auto* list = run.child<QListWidget>("start");
        for (int row = 0; row < list->count(); ++row) {
            if (!list->item(row)->text().trimmed().isEmpty())
                lines << list->item(row)->text();
        }
        QCOMPARE(report(ReportRequest::Kind::Report).split('\n').mid(0, 3), lines);
        QVERIFY(lines[1].endsWith("-Easter, at home"));
    }

    void csvExportFromTheFileMenu()
    {
        Billing billing;
        billing.start();
        const QString path = billing.run.dir.filePath("calls.csv");
        QString suggested;
        QString opened;
        const auto exportTo = [&](const QString& chosen) {
            onNextModal([&, chosen](QWidget* modal) {
                auto* dialog = qobject_cast<QFileDialog*>(modal);
                suggested = QFileInfo(dialog->selectedFiles().value(0)).fileName();
                opened = dialog->directory().path();
                dialog->selectFile(chosen);
                static_cast<QDialog*>(dialog)->accept();
            });
            billing.run.action("exportcsv")->trigger();
        };
        exportTo(path);
        QCOMPARE(suggested, QString("Connections from Mon 20 Mar 00 to Wed 26 Apr 00.csv"));
        QCOMPARE(opened, QDir::homePath());
        QCOMPARE(billing.run.prompter.shown.last().text, "Connections were exported to " + path);
        QCOMPARE(TextFile::readLines(path)->size(), 4);
        // The next export, in this run or a later one, opens where this one went.
        exportTo(billing.run.dir.filePath("again.csv"));
        QCOMPARE(opened, billing.run.dir.path());
    }
};

DIALTRAK_TEST(TstBilling)
#include "tst_billing.moc"
