#include "platform/formats.h"
#include "testregistry.h"

#include <QTest>

class TstFormats : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void patterns_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        const QDate monday(2000, 4, 3);
        QTest::newRow("dd mmm yy") << Formats::ddMmmYy(QDate(2000, 4, 15)) << "15 Apr 00";
        QTest::newRow("ddd dd mmm yy") << Formats::dddDdMmmYy(monday) << "Mon 03 Apr 00";
        QTest::newRow("ddd dd mmm yyyy") << Formats::dddDdMmmYyyy(monday) << "Mon 03 Apr 2000";
        QTest::newRow("ddd d mmm") << Formats::dddDMmm(monday) << "Mon 3 Apr";
        QTest::newRow("hh:mm") << Formats::hhMm(QTime(21, 5)) << "21:05";
        QTest::newRow("hh:mm AMPM evening")
            << Formats::hhMmAmPm(QTime(21, 5)) << ("09:05 " + QLocale().pmText());
        QTest::newRow("hh:mm AMPM midnight")
            << Formats::hhMmAmPm(QTime(0, 30)) << ("12:30 " + QLocale().amText());
        QTest::newRow("00# one") << Formats::zeroZeroHash(1) << "001";
        QTest::newRow("00# 42") << Formats::zeroZeroHash(42) << "042";
        QTest::newRow("00# 1000") << Formats::zeroZeroHash(1000) << "1000";
        QTest::newRow("0# 5") << Formats::zeroHash(5) << "05";
        QTest::newRow("0# 59") << Formats::zeroHash(59) << "59";
        QTest::newRow("### zero") << Formats::hashHashHash(0) << "";
        QTest::newRow("### 12") << Formats::hashHashHash(12) << "12";
        QTest::newRow("currency") << Formats::currency(0.45f) << QString::fromUtf8("£0.45");
        QTest::newRow("currency zero") << Formats::currency(0) << QString::fromUtf8("£0.00");
        QTest::newRow("currency thousands")
            << Formats::currency(1234.5) << QString::fromUtf8("£1,234.50");
        QTest::newRow("iso") << Formats::isoDate(QDate(2000, 4, 15)) << "2000-04-15";
        QTest::newRow("short date") << Formats::shortDate(QDate(2000, 4, 15)) << "15/04/2000";
        QTest::newRow("general date")
            << Formats::generalDate(QDateTime(QDate(2026, 12, 8), QTime(14, 5, 9)))
            << "08/12/2026 14:05:09";
        QTest::newRow("total time") << Formats::totalTime(3, 8, 5) << "3 hrs 8 mins 5 secs";
    }
    void currencyTakesTheLocalesDecimals()
    {
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
        const QString yen = Formats::currency(1234);
        QLocale::setDefault(saved);
        QVERIFY2(!yen.contains(QLatin1Char('.')), qPrintable(yen));
        QVERIFY(yen.contains(QStringLiteral("1,234")));
    }

    void patterns()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }
};

DIALTRAK_TEST(TstFormats)
#include "tst_formats.moc"
