#include "unprivilegedtest.h"

#include "unprivileged.h"

#include <QTest>

void UnprivilegedTest::initTestCase()
{
    if (!Unprivileged::isRoot()) {
        qInfo("running as an unprivileged user");
        return;
    }
    QString output;
    const int code = Unprivileged::rerun(metaObject()->className(), &output);
    QVERIFY2(code == 0, qPrintable(output));
    qInfo("%s", qPrintable(output));
    m_ranAsNobody = true;
}

void UnprivilegedTest::init()
{
    if (m_ranAsNobody)
        QSKIP("ran as the user nobody in a child process, which passed (above)");
}
