#include "log/connectiontable.h"
#include "report/jsonreport.h"
#include "reporttable.h"
#include "testregistry.h"

#include <QJsonDocument>
#include <QTest>

class TstJsonReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Scripts read numbers as numbers and unknown bytes as null, never as 0.
    void document_data()
    {
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QDate>("from"); // invalid for an open end
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("both calls, days open")
            << QList<int>{1, 2} << QDate()
            << QByteArray(
                   R"({"bytes":691246,"calls":2,"connections":[{"bytesReceived":678901,)"
                   R"("bytesSent":12345,"cost":0.4599,"date":"2026-11-16","end":"22:10:09",)"
                   "\"endDate\":\"2026-11-16\",\"info\":\"Called \\\"Bob\\\"\\nthe £ "
                   "bank\",\"number\":1,\"seconds\":3909,"
                   R"("start":"21:05:00"},{"bytesReceived":null,"bytesSent":null,"cost":0.05,)"
                   R"("date":"2026-11-17","end":"08:00:00","endDate":"2026-11-17",)"
                   R"("info":"Unknown End","number":2,)"
                   R"("seconds":0,"start":"08:00:00"}],"cost":0.5099,"currency":"GBP",)"
                   R"("from":null,"seconds":3909,"to":null})"
                   "\n");
        QTest::newRow("a call without bytes from a day on")
            << QList<int>{2} << QDate(2026, 11, 17)
            << QByteArray(
                   R"({"bytes":null,"calls":1,"connections":[{"bytesReceived":null,)"
                   R"("bytesSent":null,"cost":0.05,"date":"2026-11-17","end":"08:00:00",)"
                   R"("endDate":"2026-11-17","info":"Unknown End","number":2,"seconds":0,"start":"08:00:00"}],)"
                   R"("cost":0.05,"currency":"GBP","from":"2026-11-17","seconds":0,)"
                   R"("to":null})"
                   "\n");
    }
    void document()
    {
        QFETCH(QList<int>, numbers);
        QFETCH(QDate, from);
        QFETCH(QByteArray, json);
        ConnectionTable table;
        ConnectionRecord first =
            costedRecord("2026-11-16", "21:05:00", 1, 5, 9, 0.4599f, "Called \"Bob\"\nthe £ bank");
        first.endtime = "22:10:09";
        first.sentBytes = 12345;
        first.receivedBytes = 678901;
        table.append(first);
        table.append(costedRecord("2026-11-17", "08:00:00", 0, 0, 0, 0.05f, "Unknown End"));
        const QByteArray made = JsonReport::document(
            table, numbers, from.isValid() ? std::optional<QDate>(from) : std::nullopt,
            std::nullopt);
        QCOMPARE(made, json);
        QVERIFY(!QJsonDocument::fromJson(made).isNull());
    }
};

DIALTRAK_TEST(TstJsonReport)
#include "tst_jsonreport.moc"
