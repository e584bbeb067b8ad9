#include "dialogs/setcostsform.h"
#include "platform/settingsstore.h"
#include "scriptedprompter.h"
#include "tariff/tarifftable.h"
#include "testregistry.h"

#include <QDateEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

class TstBillSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The editor's bill and holiday controls change the tariff, and Apply stores and applies them.
    void billAndHolidaysAreEditedAndApplied()
    {
        QTemporaryDir dir;
        SettingsStore settings(dir.filePath("Modemtally.conf"));
        ScriptedPrompter prompter;
        TariffTable tariff;
        setcostsform window(tariff, settings, prompter);
        int reloads = 0;
        window.setReloadHandler([&reloads] { ++reloads; });
        window.show();

        window.findChild<QSpinBox*>("billday")->setValue(15);
        QTest::keyClicks(window.findChild<QWidget*>("budget"), "5");
        window.findChild<QSpinBox*>("holidayyear")->setValue(2026);
        window.findChild<QPushButton*>("addbankholidays")->click();
        window.findChild<QDateEdit*>("holidaydate")->setDate(QDate(2026, 12, 24));
        window.findChild<QPushButton*>("addholiday")->click();
        auto* list = window.findChild<QListWidget*>("holidays");
        QCOMPARE(list->count(), 9);
        QCOMPARE(list->item(6)->text(), QString("Thu 24 Dec 2026"));
        list->setCurrentRow(0);
        window.findChild<QPushButton*>("removeholiday")->click();
        QCOMPARE(list->item(0)->text(), QString("Fri 03 Apr 2026"));

        // Nothing counts until Apply.
        QCOMPARE(tariff.dayRow(QDate(2026, 12, 24)), 3);
        window.findChild<QPushButton*>("cmdapply")->click();
        QCOMPARE(tariff.dayRow(QDate(2026, 12, 24)), 6);
        QCOMPARE(settings.read("TimesAndTarifs", "Holidays", QString()),
                 QString("2026-04-03 2026-04-06 2026-05-04 2026-05-25 2026-08-31 2026-12-24 "
                         "2026-12-25 2026-12-28"));
        QCOMPARE(settings.read("TimesAndTarifs", "Bill day", QString()), QString("15"));
        QCOMPARE(tariff.appliedBillPlan().budgetAmount(), std::optional<double>(5));
        QCOMPARE(reloads, 1);
    }
};

DIALTRAK_TEST(TstBillSettings)
#include "tst_billsettings.moc"
