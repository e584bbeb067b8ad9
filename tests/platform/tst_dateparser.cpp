#include "platform/dateparser.h"
#include "platform/formats.h"
#include "testregistry.h"

#include <QTest>

class TstDateParser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parsesEveryStoredForm_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("iso") << "2000-04-15" << QDate(2000, 4, 15);
        QTest::newRow("old own log form") << "15 04 2000" << QDate(2000, 4, 15);
        QTest::newRow("dd mmm yy") << "15 Apr 00" << QDate(2000, 4, 15);
        QTest::newRow("dd mmm yyyy") << "03 Apr 2000" << QDate(2000, 4, 3);
        QTest::newRow("month case ignored") << "03 APR 00" << QDate(2000, 4, 3);
        QTest::newRow("short date, 2-digit year") << "15/04/00" << QDate(2000, 4, 15);
        QTest::newRow("short date, 4-digit year") << "15/04/2000" << QDate(2000, 4, 15);
        QTest::newRow("century window low") << "01 Jan 29" << QDate(2029, 1, 1);
        QTest::newRow("century window high") << "01 Jan 30" << QDate(1930, 1, 1);
        QTest::newRow("short date 99") << "31/12/99" << QDate(1999, 12, 31);
        QTest::newRow("spaces around") << "  2026-12-08 " << QDate(2026, 12, 8);
        // The locale may spell September "Sept"; the plain English abbreviation still reads.
        QTest::newRow("Sep") << "15 Sep 00" << QDate(2000, 9, 15);
        QTest::newRow("Sept") << "15 Sept 00" << QDate(2000, 9, 15);
    }
    void parsesEveryStoredForm()
    {
        QFETCH(QString, text);
        QFETCH(QDate, expected);
        const std::optional<QDate> date = DateParser::parseDate(text);
        QVERIFY2(date.has_value(), qPrintable(text));
        QCOMPARE(*date, expected);
    }

    void rejectsWhatIsNoDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("words") << "yesterday";
        QTest::newRow("31st of April") << "31 Apr 00";
        QTest::newRow("month 13 iso") << "2000-13-01";
        QTest::newRow("month 13 short") << "01/13/2000";
        QTest::newRow("unknown month") << "15 Foo 00";
        QTest::newRow("modem log date cut wrongly") << "9-23-2003 ";
        QTest::newRow("three-digit year") << "15/04/200";
    }
    void rejectsWhatIsNoDate()
    {
        QFETCH(QString, text);
        QVERIFY(!DateParser::parseDate(text).has_value());
    }

    void readsTimes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QTime>("expected");
        QTest::newRow("hh:mm:ss") << "21:05:09" << QTime(21, 5, 9);
        QTest::newRow("midnight") << "00:00:00" << QTime(0, 0, 0);
        QTest::newRow("hh:mm") << "10:05" << QTime(10, 5, 0);
        QTest::newRow("12-hour pm") << "09:05 PM" << QTime(21, 5, 0);
        QTest::newRow("12-hour locale pm") << ("09:05 " + QLocale().pmText()) << QTime(21, 5, 0);
        QTest::newRow("12 am is midnight") << "12:30 AM" << QTime(0, 30, 0);
        QTest::newRow("12 pm is noon") << "12:30 PM" << QTime(12, 30, 0);
    }
    void readsTimes()
    {
        QFETCH(QString, text);
        QFETCH(QTime, expected);
        const std::optional<QTime> time = DateParser::parseTime(text);
        QVERIFY2(time.has_value(), qPrintable(text));
        QCOMPARE(*time, expected);
    }

    void rejectsBadTimes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("hour 24") << "24:00:00";
        QTest::newRow("minute 60") << "10:60:00";
        QTest::newRow("cut one place late") << "0:14:30.";
        QTest::newRow("letters") << "ab:cd:ef";
        QTest::newRow("13 pm") << "13:05 PM";
    }
    void rejectsBadTimes()
    {
        QFETCH(QString, text);
        QVERIFY(!DateParser::parseTime(text).has_value());
    }

    void readsBackEveryMonthInOtherLocales_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("French: abbreviations end in a dot")
            << QLocale(QLocale::French, QLocale::France);
        QTest::newRow("Dutch: short date with hyphens")
            << QLocale(QLocale::Dutch, QLocale::Netherlands);
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
        QTest::newRow("US: month first") << QLocale(QLocale::English, QLocale::UnitedStates);
    }
    void readsBackEveryMonthInOtherLocales()
    {
        QFETCH(QLocale, locale);
        const QLocale saved;
        QLocale::setDefault(locale);
        for (int month = 1; month <= 12; ++month) {
            const QDate day(2026, month, 15);
            const QString named = locale.toString(day, QStringLiteral("dd MMM yyyy"));
            QCOMPARE(DateParser::parseDate(Formats::ddMmmYy(day)), std::optional<QDate>(day));
            QCOMPARE(DateParser::parseDate(named), std::optional<QDate>(day));
            QCOMPARE(DateParser::parseDate(Formats::shortDate(day)), std::optional<QDate>(day));
        }
        QLocale::setDefault(saved);
    }

    void formatsRoundTripThroughTheParser()
    {
        // Every date text the program writes must be read back as the same day.
        for (const QDate& day : {QDate(2000, 4, 3), QDate(1999, 12, 31), QDate(2026, 2, 28)}) {
            QCOMPARE(DateParser::parseDate(Formats::ddMmmYy(day)), day);
            QCOMPARE(DateParser::parseDate(Formats::isoDate(day)), day);
            QCOMPARE(DateParser::parseDate(Formats::shortDate(day)), day);
        }
        for (const QTime& time : {QTime(0, 5), QTime(12, 0), QTime(21, 5), QTime(23, 59)}) {
            QCOMPARE(DateParser::parseTime(Formats::hhMmAmPm(time)), time);
            QCOMPARE(DateParser::parseTime(Formats::hhMm(time)), time);
        }
    }
};

DIALTRAK_TEST(TstDateParser)
#include "tst_dateparser.moc"
