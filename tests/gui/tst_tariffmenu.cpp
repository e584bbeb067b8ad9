#include "dialogs/colourbox.h"
#include "programrun.h"
#include "testregistry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace
{
// Monday 3 April 2000: 09:15 for ten minutes and 19:00 for five; Tuesday 4 April: 10:00.
ModemLogBuilder threeCalls()
{
    return ModemLogBuilder()
        .call("04-03-2000", "09:15:00", "09:25:00")
        .call("04-03-2000", "19:00:00", "19:05:00")
        .call("04-04-2000", "10:00:00", "10:10:00");
}

// The BT tariff with a 20% discount, as a save by an earlier run left it.
void storeBtTariff(SettingsStore& settings)
{
    const QString s = "TimesAndTarifs";
    settings.write(s, "Rate1", "0.04");
    settings.write(s, "Rate2", "0.015");
    settings.write(s, "Rate3", "0.01");
    settings.write(s, "Min", "0");
    settings.write(s, "Discount", "20");
}

QString tarifMessage(const QString& number, const QString& rate)
{
    return "Tarif for connection number " + number + " (including % discount) = " + rate +
           " per min";
}
} // namespace

class TstTariffMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aPresetAppliedIsStoredAndCostsEveryCall()
    {
        Run run;
        run.writeModemLog(threeCalls());
        run.start();
        QCOMPARE(run.window->table()[1].cost, 0.0f);
        QString title;
        QString filled;
        QString storedBeforeApply;
        onNextModal([&](QWidget* editor) {
            title = editor->windowTitle();
            auto* combo = editor->findChild<QComboBox*>("Combo1");
            combo->setFocus();
            QTest::keyClick(combo, Qt::Key_Down);
            QTest::keyClick(combo, Qt::Key_Down);
            filled = editor->findChild<QLineEdit*>("Text3")->text();
            storedBeforeApply = run.settings.read("TimesAndTarifs", "Discount", "none");
            QTest::mouseClick(editor->findChild<QPushButton*>("cmdapply"), Qt::LeftButton);
        });
        run.action("setcosts")->trigger();
        QCOMPARE(title, QString("Set Phone Tarifs and Times"));
        QCOMPARE(filled, QString("10"));
        QCOMPARE(storedBeforeApply, QString("none"));
        QCOMPARE(run.settings.read("TimesAndTarifs", "Rate1", "?"), QString("0.04"));
        QCOMPARE(run.settings.read("TimesAndTarifs", "Min", "?"), QString("0.05"));
        QCOMPARE(run.settings.read("TimesAndTarifs", "Discount", "?"), QString("10"));
        QCOMPARE(run.settings.read("TimesAndTarifs", "Mon9", "?"), QString("255"));
        // 10 minutes at 0.04 less 10%; 5 evening minutes at 0.015 less 10%.
        QCOMPARE(run.window->table()[1].cost, 0.36f);
        QCOMPARE(run.window->table()[2].cost, 0.0675f);
        QVERIFY(run.child<QListWidget>("start")->item(1)->text().contains("costing £0.36 "));
    }

    void paintingWithoutApplyChangesNoCost()
    {
        Run run;
        storeBtTariff(run.settings);
        run.writeModemLog(threeCalls());
        run.start();
        const float before = run.window->table()[1].cost;
        QCOMPARE(before, 0.32f);
        onNextModal([](QWidget* editor) {
            QTest::mouseClick(editor->findChild<ColourBox*>("boxcol_2"), Qt::LeftButton);
            QTest::mouseClick(editor->findChild<ColourBox*>("monbox_9"), Qt::LeftButton);
            QTest::mouseClick(editor->findChild<QPushButton*>("Command2"), Qt::LeftButton);
        });
        run.action("setcosts")->trigger();
        run.action("menurefresh")->trigger();
        QCOMPARE(run.window->table()[1].cost, before);
        QCOMPARE(run.settings.read("TimesAndTarifs", "Mon9", "?"), QString("?"));
    }

    void theTarifOfSelectedLinesIsShownOneByOne_data()
    {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QStringList>("shown");
        // The list: a separator, 001, 002, a separator, 003.
        QTest::newRow("the worked example")
            << QList<int>{1} << QStringList{tarifMessage("001", "0.032")};
        QTest::newRow("three lines and a separator")
            << QList<int>{1, 2, 3, 4}
            << QStringList{tarifMessage("001", "0.032"), tarifMessage("002", "0.012"),
                           tarifMessage("003", "0.032")};
        QTest::newRow("nothing selected") << QList<int>{} << QStringList{};
    }
    void theTarifOfSelectedLinesIsShownOneByOne()
    {
        QFETCH(QList<int>, rows);
        QFETCH(QStringList, shown);
        Run run;
        storeBtTariff(run.settings);
        run.writeModemLog(threeCalls());
        run.start();
        QListWidget* start = run.child<QListWidget>("start");
        for (int row : rows)
            start->item(row)->setSelected(true);
        run.action("viewtarif")->trigger();
        QCOMPARE(run.prompter.texts(), shown);
        for (const ScriptedPrompter::Shown& message : run.prompter.shown)
            QCOMPARE(message.buttons, Prompter::Buttons::Ok);
    }
};

DIALTRAK_TEST(TstTariffMenu)
#include "tst_tariffmenu.moc"
