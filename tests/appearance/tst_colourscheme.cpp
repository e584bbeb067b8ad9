#include "appearance/colourscheme.h"
#include "platform/settingsstore.h"
#include "testregistry.h"

#include <QTemporaryDir>
#include <QTest>

using Colours = QList<quint32>;
using Stored = QMap<QString, QString>;

class TstColourScheme : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void load_data()
    {
        QTest::addColumn<Stored>("stored");
        QTest::addColumn<Colours>("colours");
        const Colours defaults{16777215, 0, 8421376, 8454143};
        QTest::newRow("nothing stored") << Stored{} << defaults;
        QTest::newRow("all four stored")
            << Stored{{"0", "255"}, {"1", "65280"}, {"2", "16711680"}, {"3", "12632256"}}
            << Colours{255, 65280, 16711680, 12632256};
        QTest::newRow("one stored")
            << Stored{{"1", "128"}} << Colours{16777215, 128, 8421376, 8454143};
        QTest::newRow("spaces around a number")
            << Stored{{"0", " 255 "}} << Colours{255, 0, 8421376, 8454143};
        // A damaged value falls back alone; the colours beside it stay as stored.
        const auto damaged = [](const QString& text) {
            return Stored{{"0", "255"}, {"1", "65280"}, {"2", text}, {"3", "12632256"}};
        };
        const Colours damagedRead{255, 65280, 8421376, 12632256};
        QTest::newRow("a word") << damaged("teal") << damagedRead;
        QTest::newRow("empty text") << damaged("") << damagedRead;
        QTest::newRow("a fraction") << damaged("8421376.5") << damagedRead;
        QTest::newRow("negative") << damaged("-1") << damagedRead;
        QTest::newRow("beyond 24 bits") << damaged("16777216") << damagedRead;
        QTest::newRow("beyond 64 bits") << damaged("99999999999999999999") << damagedRead;
    }
    void load()
    {
        QFETCH(Stored, stored);
        QFETCH(Colours, colours);
        QTemporaryDir dir;
        SettingsStore store(dir.filePath("Modemtally.conf"));
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            store.write("Colours", it.key(), it.value());
        ColourScheme scheme;
        scheme.setColour(0, 1); // what was shown before is no part of what is read
        scheme.load(store);
        for (int n = 0; n < ColourScheme::Count; ++n)
            QCOMPARE(scheme.colour(n), colours.at(n));
    }
};

DIALTRAK_TEST(TstColourScheme)
#include "tst_colourscheme.moc"
