#include "app/budgetwatch.h"
#include "platform/settingsstore.h"
#include "testregistry.h"

#include <QTemporaryDir>
#include <QTest>

class TstBudgetWatch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The longest form the width has room for; narrower than the shortest, its start.
    void fitsTheWidth_data()
    {
        QTest::addColumn<int>("less");      // pixels under the width named
        QTest::addColumn<bool>("whole");    // the width of the whole warning, else the least
        QTest::addColumn<QString>("shown"); // "…": the least form cut short
        QTest::newRow("room for the whole") << 0 << true
                                            << "Over volume cap: this bill has used "
                                               "110% of its volume cap. Near budget.";
        QTest::newRow("a pixel short") << 1 << true << "Over volume cap: 110%. Near budget: 85%.";
        QTest::newRow("the least room") << 0 << false << "Over volume cap: 110%.";
        QTest::newRow("less than that") << 40 << false << "…";
    }
    void fitsTheWidth()
    {
        QFETCH(int, less);
        QFETCH(bool, whole);
        QFETCH(QString, shown);
        const QTemporaryDir dir;
        SettingsStore settings(dir.filePath("Modemtally.conf"));
        BudgetWatch watch(settings);
        BudgetCheck::Status status;
        status.level = BudgetCheck::Level::Over;
        status.forms =
            QStringList{"Over volume cap: this bill has used 110% of its volume cap. "
                        "Near budget.",
                        "Over volume cap: 110%. Near budget: 85%.", "Over volume cap: 110%."};
        status.warning = status.forms.first();
        watch.showStatus(status);
        QVERIFY(watch.isVisible());
        const QSize room = whole ? watch.sizeHint() : watch.minimumSizeHint();
        watch.resize(room.width() - less, room.height());
        QTRY_COMPARE(watch.width(), room.width() - less);
        if (shown == "…") {
            // How much of it fits depends on the font: its start, and a sign that more follows.
            QVERIFY2(watch.text().endsWith("…") &&
                         status.forms.last().startsWith(watch.text().chopped(1)),
                     qPrintable(watch.text()));
        } else {
            QCOMPARE(watch.text(), shown);
        }
        // Whatever the width, the whole of it to hover over and to hear.
        QCOMPARE(watch.toolTip(), status.warning);
        QCOMPARE(watch.accessibleDescription(), status.warning);
    }
};

DIALTRAK_TEST(TstBudgetWatch)
#include "tst_budgetwatch.moc"
