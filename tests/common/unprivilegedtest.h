#pragma once

#include <QObject>

// A test class of permission tests. Root is never refused, so as root the class runs again as
// the user nobody in a child process and stands on that run's result: its own tests then skip
// one by one (a skip in initTestCase would leave the later classes of the executable unrun).
class UnprivilegedTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

private:
    bool m_ranAsNobody = false;
};
