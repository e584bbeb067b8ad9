#include "costedrecord.h"
#include "fixedclock.h"
#include "log/connectiontable.h"
#include "platform/settingsstore.h"
#include "tariff/tarifftable.h"
#include "testregistry.h"
#include "views/billpanel.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace
{
// The texts of the panel's labels on show, in the order of its grid.
QString shown(const BillPanel& panel)
{
    QStringList texts;
    for (const char* name :
         {"billheading", "billtime", "billcost", "billprojection", "billcalls", "billvolumeheading",
          "billvolume", "billusedheading", "billused_0", "billused_1"}) {
        const auto* label = panel.findChild<QLabel*>(name);
        if (!label->isHidden())
            texts << label->text();
    }
    return texts.join('|');
}
} // namespace

class TstBillPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Volume, budget and cap show only where there is something to show.
    void showsTheBillAndStepsBack()
    {
        ConnectionTable table;
        table.append(costedRecord("2000-03-20", "10:00:00", 0, 5, 0, 0.1f));
        ConnectionRecord counted = costedRecord("2000-04-20", "10:00:00", 0, 30, 0, 0.6f);
        counted.sentBytes = 200000;
        counted.receivedBytes = 1800000;
        table.append(counted);
        TariffTable tariff;
        tariff.billPlan().setBillDay(15);
        tariff.billPlan().setBudget("1");
        tariff.billPlan().setVolumeCap("4");
        QTemporaryDir dir;
        SettingsStore store(dir.filePath("t.conf"));
        QVERIFY(tariff.save(store).saved);
        const FixedClock clock; // Friday 28 April 2000
        BillPanel panel(table, tariff, clock);
        QCOMPARE(shown(panel),
                 QString("This bill (from Sat 15 Apr 00)|0 hrs 30 mins 0 secs|£0.60|at this rate "
                         "£1.29 by Sun 14 May 00|1|Volume sent and received|2.0 MB|Budget and "
                         "volume cap used|60% of £1.00|50% of 4.0 MB"));

        // An earlier bill has no projection, and no volume where no call of it gives bytes.
        panel.findChild<QPushButton*>("earlierbill")->click();
        QCOMPARE(shown(panel), QString("Bill from Wed 15 Mar 00 to Fri 14 Apr 00|0 hrs 5 mins 0 "
                                       "secs|£0.10|1|Budget used|10% of £1.00"));
        QVERIFY(!panel.findChild<QPushButton*>("earlierbill")->isEnabled());
    }
};

DIALTRAK_TEST(TstBillPanel)
#include "tst_billpanel.moc"
