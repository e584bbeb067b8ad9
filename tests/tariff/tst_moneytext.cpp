#include "tariff/moneytext.h"
#include "testregistry.h"

#include <QLocale>
#include <QTest>

class TstMoneyText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void normalise_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<QString>("expected");
        QTest::newRow("trailing zeros") << "0.0400" << true << "0.04";
        QTest::newRow("stored 0.040") << "0.040" << true << "0.04";
        QTest::newRow("fifth place down") << "4.12345" << true << "4.1234";
        QTest::newRow("half to odd goes up") << "4.12355" << true << "4.1236";
        // 0.00015 and 2.00025 are held by a double just below and just above the half.
        QTest::newRow("exact half, odd digit") << "0.00015" << true << "0.0002";
        QTest::newRow("exact half, even digit") << "2.00025" << true << "2.0002";
        QTest::newRow("carry into whole part") << "9.99995" << true << "10";
        QTest::newRow("rounds to zero") << "0.00005" << true << "0";
        QTest::newRow("negative rounds to plain zero") << "-0.00001" << true << "0";
        QTest::newRow("negative") << "-1.50" << true << "-1.5";
        QTest::newRow("leading zeros") << "007" << true << "7";
        QTest::newRow("no whole part") << ".5" << true << "0.5";
        QTest::newRow("spaces around") << " 0.04 " << true << "0.04";
        QTest::newRow("letters") << "abc" << false << "";
        QTest::newRow("empty") << "" << false << "";
        QTest::newRow("trailing text") << "0.04p" << false << "";
        QTest::newRow("two separators") << "1.2.3" << false << "";
        // Stored under a German locale: the same amount in any locale.
        QTest::newRow("decimal comma") << "0,04" << true << "0.04";
    }
    void normalise()
    {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(QString, expected);
        const std::optional<QString> result = MoneyText::normalise(text);
        QCOMPARE(result.has_value(), isNumber);
        if (isNumber) {
            QCOMPARE(*result, expected);
            QCOMPARE(MoneyText::normalise(*result), result);
        }
        QCOMPARE(MoneyText::toNumber(text).has_value(), isNumber);
    }

    void amount_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected"); // empty: not an amount
        QTest::newRow("an amount") << "0.0400"
                                   << "0.04";
        QTest::newRow("zero") << "0"
                              << "0";
        QTest::newRow("below zero") << "-0.04"
                                    << "";
        QTest::newRow("not a number") << "abc"
                                      << "";
        QTest::newRow("a day of it is beyond any cost") << "1" + QString(36, '0') << "";
        QTest::newRow("ten megabytes of digits") << QString(10'000'000, '9') << "";
    }
    void amount()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(MoneyText::amount(text).value_or(QString()), expected);
    }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("percent sign") << "10%"
                                      << "10";
        QTest::newRow("not a number") << "abc"
                                      << "0";
        QTest::newRow("trailing letter") << "12.5x"
                                         << "12.5";
        QTest::newRow("negative") << "-5"
                                  << "-5";
        QTest::newRow("empty") << ""
                               << "0";
        QTest::newRow("second separator ends it") << "1.2.3"
                                                  << "1.2";
        QTest::newRow("leading space and words") << " 7 days"
                                                 << "7";
        QTest::newRow("zeros") << "010.500"
                               << "10.5";
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(MoneyText::leadingNumber(text), expected);
    }

    void localeSeparatorIsReadAndWritten()
    {
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const std::optional<QString> comma = MoneyText::normalise("0,0400");
        const std::optional<QString> point = MoneyText::normalise("0.0395");
        const QString preset = MoneyText::fromTenThousandths(150);
        const std::optional<double> value = MoneyText::toNumber("0,25");
        QLocale::setDefault(saved);
        QCOMPARE(comma, std::optional<QString>("0,04"));
        // Amounts stored under a '.' locale still read after the switch.
        QCOMPARE(point, std::optional<QString>("0,0395"));
        QCOMPARE(preset, QString("0,015"));
        QCOMPARE(value, std::optional<double>(0.25));
    }
};

DIALTRAK_TEST(TstMoneyText)
#include "tst_moneytext.moc"
