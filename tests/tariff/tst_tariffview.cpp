#include "costedrecord.h"
#include "log/connectiontable.h"
#include "recordingstore.h"
#include "tariff/tarifftable.h"
#include "tariff/tariffview.h"
#include "testregistry.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

namespace
{
// One call, on Monday 3 April 2000 at 09:15 unless the date says otherwise.
ConnectionTable oneCall(const QString& date)
{
    ConnectionTable table;
    table.append(costedRecord(date, "09:15:00", 0, 5, 0, 0.16f));
    return table;
}

// Only the number at the front matters; the rest is what the written view shows.
QString line(const QString& number)
{
    return number + ": Connected on Mon 03 Apr 00, 09:15 for 0 hrs 05 mins 00 secs costing £0.16 -";
}
} // namespace

class TstTariffView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aRateThatCannotBeWorkedOutIsSaidSo_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("discount");
        QTest::addColumn<bool>("unpaintedCell");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a cell of no rate's colour")
            << "2000-04-03"
            << "20" << true << "001"
            << "the hour it started in has no rate in the grid of \"Set Phone Tarifs and Times\".";
        QTest::newRow("a discount that is not a number") << "2000-04-03"
                                                         << "10%" << false << "001"
                                                         << "the discount is not a number.";
        QTest::newRow("a date that cannot be read") << "someday"
                                                    << "20" << false << "001"
                                                    << "its date or start time cannot be read.";
        QTest::newRow("a line of a connection no longer loaded") << "2000-04-03"
                                                                 << "20" << false << "002"
                                                                 << "it is not in the log.";
    }
    void aRateThatCannotBeWorkedOutIsSaidSo()
    {
        QFETCH(QString, date);
        QFETCH(QString, discount);
        QFETCH(bool, unpaintedCell);
        QFETCH(QString, number);
        QFETCH(QString, reason);
        TariffTable tariff;
        tariff.setRate(0, "0.04");
        tariff.setDiscount(discount);
        if (unpaintedCell)
            tariff.setCellColour(0, 9, 0x123456);
        tariff.setboxrates();
        const QList<TariffView::Message> messages =
            TariffView::messages({line(number)}, oneCall(date), tariff);
        QCOMPARE(messages.size(), 1);
        QVERIFY(!messages[0].rateShown);
        QCOMPARE(messages[0].text,
                 "The tarif for connection number " + number + " cannot be shown: " + reason);
    }

    // Monday 3 April 2000 at 09:15: 0.04 on the weekday, 0.01 on Sunday's row; 20% off.
    void aHolidayIsSaidToTakeSundaysRate_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("text");
        QTest::newRow("a working day")
            << "2000-04-03"
            << "Tarif for connection number 001 (including % discount) = 0.032 per min";
        QTest::newRow("a holiday")
            << "2000-04-24"
            << "Tarif for connection number 001 (including % discount) = 0.008 per min (a holiday, "
               "at Sunday's rate)";
        QTest::newRow("a holiday on a Sunday, at its own rate")
            << "2000-04-23"
            << "Tarif for connection number 001 (including % discount) = 0.008 per min";
    }
    void aHolidayIsSaidToTakeSundaysRate()
    {
        QFETCH(QString, date);
        QFETCH(QString, text);
        TariffTable tariff;
        tariff.setRate(0, "0.04");
        tariff.setRate(2, "0.01");
        tariff.setDiscount("20");
        tariff.paintStandardGrid();
        tariff.setHolidays(HolidayList::fromText("2000-04-23 2000-04-24"));
        // Holidays count from a save.
        QTemporaryDir dir;
        RecordingStore store(dir.filePath("t.conf"));
        QVERIFY(tariff.save(store).saved);
        const QList<TariffView::Message> messages =
            TariffView::messages({line("001")}, oneCall(date), tariff);
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].text, text);
    }

    void rateText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("0.04 x 80 / 100") << 0.04 * 80 / 100 << "0.032";
        QTest::newRow("binary noise below 15 digits") << 0.1 + 0.2 << "0.3";
        QTest::newRow("15 significant digits") << 1.0 / 3 << "0.333333333333333";
        QTest::newRow("small, not in exponent form") << 0.0001 * 80 / 100 << "0.00008";
        QTest::newRow("large, not in exponent form") << 1.5e16 << "15000000000000000";
        QTest::newRow("zero") << 0.0 << "0";
    }
    void rateText()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(TariffView::rateText(value), text);
    }

    void rateTextUsesTheLocalesDecimalPoint()
    {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString text = TariffView::rateText(1234.5);
        QLocale::setDefault(previous);
        QCOMPARE(text, QString("1234,5"));
    }
};

DIALTRAK_TEST(TstTariffView)
#include "tst_tariffview.moc"
