#include "dialogs/colourbox.h"
#include "dialogs/setcostsform.h"
#include "platform/settingsstore.h"
#include "scriptedprompter.h"
#include "tariff/tarifftable.h"
#include "testregistry.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace
{
const QStringList kRows{"mon", "tue", "wed", "thus", "fri", "sat", "sun"};
using Cells = QList<QPair<int, int>>;

QString cellName(int day, int hour)
{
    return kRows[day] + "box_" + QString::number(hour);
}

// The editor over a tariff as start-up leaves it: five amounts on the standard grid.
struct Editor {
    QTemporaryDir dir;
    SettingsStore settings{dir.filePath("Modemtally.conf")};
    ScriptedPrompter prompter;
    TariffTable tariff;
    std::unique_ptr<setcostsform> window;
    // Whether the window was on show at each reload it asked for.
    QList<bool> reloads;

    bool open()
    {
        const QStringList amounts{"0.04", "0.015", "0.01", "0.02", "0.03"};
        for (int r = 0; r < 5; ++r)
            tariff.setRate(r, amounts[r]);
        tariff.setboxrates();
        window = std::make_unique<setcostsform>(tariff, settings, prompter);
        window->setReloadHandler([this] { reloads << window->isVisible(); });
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }
    template <typename T = QWidget> T* child(const QString& name) const
    {
        return window->findChild<T*>(name);
    }
    ColourBox* cell(int day, int hour) const { return child<ColourBox>(cellName(day, hour)); }
    void click(const QString& name) const { QTest::mouseClick(child(name), Qt::LeftButton); }
    void type(const QString& field, const QString& text) const
    {
        child<QLineEdit>(field)->clear();
        QTest::keyClicks(child(field), text);
    }
    // Keys go where the user's would: to the widget with the focus.
    void press(Qt::Key key) const { QTest::keyClick(QApplication::focusWidget(), key); }
    QString stored(const QString& key) const
    {
        return settings.read("TimesAndTarifs", key, "none");
    }
};
} // namespace

class TstSetcostsform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aChosenRatePaintsACell_data()
    {
        QTest::addColumn<QString>("chooser");
        QTest::addColumn<int>("rate");
        QTest::newRow("yellow swatch") << "boxcol_2" << 2;
        QTest::newRow("Rate 4 amount") << "Text1_3" << 3;
        QTest::newRow("Rate 5 selector") << "Option1_4" << 4;
    }
    void aChosenRatePaintsACell()
    {
        QFETCH(QString, chooser);
        QFETCH(int, rate);
        Editor editor;
        QVERIFY(editor.open());
        editor.click(chooser);
        QVERIFY(editor.child<QRadioButton>("Option1_" + QString::number(rate))->isChecked());
        editor.click(cellName(0, 9));
        QCOMPARE(editor.cell(0, 9)->colour(), TariffTable::swatchColour(rate));
        QCOMPARE(editor.tariff.rateOfCell(0, 9), rate);
    }

    void aSweepPaintsEveryCellPassedOver_data()
    {
        QTest::addColumn<Cells>("sweep");
        QTest::addColumn<Cells>("painted");
        Cells mondayDaytime;
        for (int hour = 8; hour <= 17; ++hour)
            mondayDaytime << qMakePair(0, hour);
        QTest::newRow("Monday 08 to 17") << Cells{{0, 8}, {0, 17}} << mondayDaytime;
        QTest::newRow("Monday 17 back to 08") << Cells{{0, 17}, {0, 8}} << mondayDaytime;
        QTest::newRow("down the rows at 05")
            << Cells{{0, 5}, {3, 5}} << Cells{{0, 5}, {1, 5}, {2, 5}, {3, 5}};
    }
    void aSweepPaintsEveryCellPassedOver()
    {
        QFETCH(Cells, sweep);
        QFETCH(Cells, painted);
        Editor editor;
        QVERIFY(editor.open());
        editor.click("boxcol_4"); // a colour on no cell yet
        // One move, sent to the pressed cell as it is while the pointer is grabbed.
        ColourBox* from = editor.cell(sweep[0].first, sweep[0].second);
        ColourBox* to = editor.cell(sweep[1].first, sweep[1].second);
        const QPoint target = from->mapFromGlobal(to->mapToGlobal(to->rect().center()));
        QTest::mousePress(from, Qt::LeftButton);
        QTest::mouseMove(from, target);
        QTest::mouseRelease(from, Qt::LeftButton, {}, target);
        for (int day = 0; day < 7; ++day) {
            for (int hour = 0; hour < 24; ++hour)
                QCOMPARE(editor.cell(day, hour)->colour() == TariffTable::swatchColour(4),
                         painted.contains(qMakePair(day, hour)));
        }
    }

    void theKeyboardMovesAndPaints()
    {
        Editor editor;
        QVERIFY(editor.open());
        editor.click("Option1_2");
        editor.cell(0, 0)->setFocus();
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Space})
            editor.press(key);
        QCOMPARE(editor.tariff.rateOfCell(1, 2), 2);
        QCOMPARE(editor.cell(1, 2)->accessibleDescription(), QString("Rate 3"));
        // Tab leaves the grid, and Shift+Tab comes back to the same cell.
        editor.press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), editor.child("Check1"));
        editor.press(Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), editor.cell(1, 2));
    }

    void everyControlHasAnAccessibleName()
    {
        Editor editor;
        QVERIFY(editor.open());
        QStringList unnamed;
        for (QWidget* widget : editor.window->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(widget) ||
                                 qobject_cast<QLineEdit*>(widget) ||
                                 qobject_cast<QComboBox*>(widget);
            if (control &&
                QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).isEmpty())
                unnamed << widget->objectName();
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
        QCOMPARE(editor.cell(3, 9)->accessibleName(), QString("Thus 09"));
        QCOMPARE(editor.cell(5, 0)->toolTip(), QString("Sat 00: Rate 3"));
    }

    void theDiscountRangeRuleActsWhileTyping_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("150") << "150"
                             << "0";
        QTest::newRow("-5") << "-5"
                            << "0";
        QTest::newRow("100") << "100"
                             << "100";
    }
    void theDiscountRangeRuleActsWhileTyping()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Editor editor;
        QVERIFY(editor.open());
        editor.type("Text3", typed);
        QCOMPARE(editor.child<QLineEdit>("Text3")->text(), shown);
        QCOMPARE(editor.tariff.discount(), shown);
    }

    // Text set without a key press (by assistive technology, by the program) obeys the field's
    // rule, and Apply saves what the field shows.
    void textSetWithoutTypingIsSaved_data()
    {
        QTest::addColumn<bool>("accessible"); // else set by the program
        QTest::addColumn<QStringList>("fieldTextKeySaved");
        QTest::newRow("rate") << false << QStringList{"Text1_2", "0.05", "Rate3", "0.05"};
        QTest::newRow("minimum") << true << QStringList{"Text2", "0.1", "Min", "0.1"};
        QTest::newRow("discount") << true << QStringList{"Text3", "150", "Discount", "0"};
    }
    void textSetWithoutTypingIsSaved()
    {
        QFETCH(bool, accessible);
        QFETCH(QStringList, fieldTextKeySaved);
        Editor editor;
        QVERIFY(editor.open());
        auto* edit = editor.child<QLineEdit>(fieldTextKeySaved[0]);
        if (accessible)
            QAccessible::queryAccessibleInterface(edit)->setText(QAccessible::Value,
                                                                 fieldTextKeySaved[1]);
        else
            edit->setText(fieldTextKeySaved[1]);
        editor.click("cmdapply");
        QCOMPARE(editor.stored(fieldTextKeySaved[2]), fieldTextKeySaved[3]);
        QCOMPARE(edit->text(), fieldTextKeySaved[3]);
    }

    void leavingKeepsTheEditsAndOnlyApplyAndOkSave_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QList<bool>>("reloads");
        QTest::newRow("Cancel") << "Command2" << QList<bool>{};
        QTest::newRow("title bar close") << "close" << QList<bool>{};
        QTest::newRow("Escape") << "Escape" << QList<bool>{};
        QTest::newRow("OK hides, then applies") << "Command1" << QList<bool>{false};
        QTest::newRow("Apply stays open") << "cmdapply" << QList<bool>{true};
    }
    void leavingKeepsTheEditsAndOnlyApplyAndOkSave()
    {
        QFETCH(QString, how);
        QFETCH(QList<bool>, reloads);
        Editor editor;
        QVERIFY(editor.open());
        editor.click("Option1_3");
        editor.click(cellName(6, 0));
        editor.type("Text1_0", "0.0400");
        if (how == "close")
            editor.window->close();
        else if (how == "Escape")
            editor.press(Qt::Key_Escape);
        else
            editor.click(how);
        QCOMPARE(editor.reloads, reloads);
        const bool saved = !reloads.isEmpty();
        QCOMPARE(editor.window->isVisible(), how == "cmdapply");
        QCOMPARE(editor.stored("Rate1"), QString(saved ? "0.04" : "none"));
        QCOMPARE(editor.stored("Sun0"), QString(saved ? "65280" : "none"));
        // Costing sees the new rate of the cell only after a save.
        QCOMPARE(editor.tariff.cellTag(6, 0), QString(saved ? "0.02" : "0.01"));

        editor.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.window.get()));
        QCOMPARE(editor.cell(6, 0)->colour(), TariffTable::swatchColour(3));
        QCOMPARE(editor.child<QLineEdit>("Text1_0")->text(), QString(saved ? "0.04" : "0.0400"));
        QVERIFY(editor.child<QRadioButton>("Option1_3")->isChecked());
    }

    void anAmountThatIsNotANumberIsNamedAndNothingSaved_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("named");
        QTest::newRow("Rate 2 by Apply") << "Text1_1"
                                         << "cmdapply"
                                         << "Rate 2";
        QTest::newRow("minimum by OK") << "Text2"
                                       << "Command1"
                                       << "Minimum cost of call";
    }
    void anAmountThatIsNotANumberIsNamedAndNothingSaved()
    {
        QFETCH(QString, field);
        QFETCH(QString, button);
        QFETCH(QString, named);
        Editor editor;
        QVERIFY(editor.open());
        editor.type(field, "five");
        editor.click(button);
        QCOMPARE(editor.prompter.texts(),
                 QStringList{"The amount for \"" + named +
                             "\" must be a number of 0 or more. Enter an amount such as 0.04; "
                             "nothing has been saved."});
        QCOMPARE(editor.prompter.shown[0].icon, Prompter::Icon::Warning);
        QCOMPARE(editor.stored("Rate1"), QString("none"));
        QVERIFY(editor.reloads.isEmpty());
        // Still open, at the field to put right.
        QVERIFY(editor.window->isVisible());
        QCOMPARE(QApplication::focusWidget(), editor.child(field));
    }
};

DIALTRAK_TEST(TstSetcostsform)
#include "tst_setcostsform.moc"
