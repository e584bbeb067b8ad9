#include "testenvironment.h"
#include "testregistry.h"

#include <QApplication>
#include <QLocale>
#include <QStringList>
#include <QTest>

TestRegistry& TestRegistry::instance()
{
    static TestRegistry registry;
    return registry;
}

int TestRegistry::add(Factory factory)
{
    m_factories.push_back(std::move(factory));
    return int(m_factories.size());
}

int main(int argc, char** argv)
{
    // Before QApplication: nothing may see the real home directory or the user's settings.
    TestEnvironment::isolateHome();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    QApplication app(argc, argv);

    // Arguments after the program name pick test classes by name; the rest go to QTest.
    QStringList wanted;
    QStringList qtestArgs{QString::fromLocal8Bit(argv[0])};
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg.startsWith(QLatin1String("Tst")))
            wanted << arg;
        else
            qtestArgs << arg;
    }

    int failures = 0;
    for (const auto& factory : TestRegistry::instance().factories()) {
        std::unique_ptr<QObject> test = factory();
        if (!wanted.isEmpty() &&
            !wanted.contains(QString::fromLatin1(test->metaObject()->className())))
            continue;
        failures += QTest::qExec(test.get(), qtestArgs);
    }
    return failures == 0 ? 0 : 1;
}
