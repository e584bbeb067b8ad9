#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

// Lets each test file register its classes, so one executable runs every class of its folder.
class TestRegistry
{
public:
    using Factory = std::function<std::unique_ptr<QObject>()>;

    static TestRegistry& instance();
    int add(Factory factory);
    const std::vector<Factory>& factories() const { return m_factories; }

private:
    std::vector<Factory> m_factories;
};

#define DIALTRAK_TEST(Class)                                                                       \
    static const int dialtrakRegistered##Class =                                                   \
        TestRegistry::instance().add([] { return std::make_unique<Class>(); });
