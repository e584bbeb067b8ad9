#include "stats/volumecharges.h"
#include "statstable.h"
#include "tariff/billplan.h"
#include "testregistry.h"

#include <QTest>

namespace
{
// A call on that day and at that time, with its bytes received (-1 for unknown) and the time
// cost costing gave it.
ConnectionRecord dataCall(const QString& date, const QString& start, qint64 bytes, float cost)
{
    ConnectionRecord record = costedRecord(date, start, 0, 10, 0, cost);
    if (bytes >= 0) {
        record.sentBytes = 0;
        record.receivedBytes = quint64(bytes);
    }
    return record;
}

constexpr qint64 MB = 1000000;
} // namespace

class TstVolumeCharges : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void charges_data()
    {
        QTest::addColumn<QList<ConnectionRecord>>("records");
        QTest::addColumn<QString>("allowance"); // in MB
        QTest::addColumn<QString>("price");     // per MB
        // Each call's volume cost, "?" for unknown, then its whole cost: "0.30=0.80".
        QTest::addColumn<QStringList>("costs");

        const QList<ConnectionRecord> month{dataCall("2026-11-02", "10:00:00", 300 * MB, 0.5f),
                                            dataCall("2026-11-03", "10:00:00", 500 * MB, 0.5f),
                                            dataCall("2026-11-04", "10:00:00", 100 * MB, 0.5f)};
        QTest::newRow("everything 0: the time cost alone, as before")
            << month << "0"
            << "0" << QStringList{"0.00=0.50", "0.00=0.50", "0.00=0.50"};
        QTest::newRow("an allowance without a price charges nothing")
            << month << "100"
            << "0" << QStringList{"0.00=0.50", "0.00=0.50", "0.00=0.50"};
        QTest::newRow("allowance 0 is none: every byte is priced")
            << month << "0"
            << "0.001" << QStringList{"0.30=0.80", "0.50=1.00", "0.10=0.60"};
        QTest::newRow("the bill's first call uses the allowance first")
            << month << "350"
            << "0.001" << QStringList{"0.00=0.50", "0.45=0.95", "0.10=0.60"};
        QTest::newRow("crossed inside a call, which pays only for the part beyond")
            << month << "700"
            << "0.001" << QStringList{"0.00=0.50", "0.10=0.60", "0.10=0.60"};
        QTest::newRow("calls take the allowance in the order they started, not the table's")
            << QList<ConnectionRecord>{dataCall("2026-11-03", "12:00:00", 500 * MB, 0),
                                       dataCall("2026-11-03", "09:00:00", 300 * MB, 0)}
            << "400"
            << "0.001" << QStringList{"0.40=0.40", "0.00=0.00"};
        QTest::newRow("unknown bytes: volume cost unknown, no allowance taken")
            << QList<ConnectionRecord>{dataCall("2026-11-02", "10:00:00", -1, 0.5f),
                                       dataCall("2026-11-03", "10:00:00", 500 * MB, 0.5f)}
            << "400"
            << "0.001" << QStringList{"?=0.50", "0.10=0.60"};
        QTest::newRow("each bill has its allowance afresh")
            << QList<ConnectionRecord>{dataCall("2026-10-31", "10:00:00", 500 * MB, 0),
                                       dataCall("2026-11-01", "10:00:00", 500 * MB, 0)}
            << "400"
            << "0.001" << QStringList{"0.10=0.10", "0.10=0.10"};
        QTest::newRow("gigabytes are 1000 megabytes")
            << QList<ConnectionRecord>{dataCall("2026-11-02", "10:00:00", 1500 * MB, 0)} << "1 GB"
            << "0.001" << QStringList{"0.50=0.50"};
    }
    void charges()
    {
        QFETCH(QList<ConnectionRecord>, records);
        QFETCH(QString, allowance);
        QFETCH(QString, price);
        QFETCH(QStringList, costs);
        BillPlan plan;
        plan.setAllowance(allowance.section(' ', 0, 0));
        if (allowance.endsWith("GB"))
            plan.setAllowanceUnit(BillPlan::Unit::Gigabytes);
        plan.setPricePerMegabyte(price);
        ConnectionTable table = tableOf(records);
        VolumeCharges::apply(table, plan);
        QStringList made;
        for (int n = 1; n <= table.connectioncount(); ++n) {
            const std::optional<float> volume = table[n].volumeCost;
            made << (volume ? QString::number(*volume, 'f', 2) : QString("?")) + '=' +
                        QString::number(table[n].cost, 'f', 2);
        }
        QCOMPARE(made, costs);
    }
};

DIALTRAK_TEST(TstVolumeCharges)
#include "tst_volumecharges.moc"
