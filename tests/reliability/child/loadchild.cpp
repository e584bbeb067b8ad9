// One start and close of the program on a modem log, with the core alone: the load cycle, then
// the close rule. The kill test runs it and kills it at random moments.
// Usage: dialtrak_loadchild <modem log> <program directory>
#include "log/connectiontable.h"
#include "log/logloader.h"
#include "log/shutdownguard.h"
#include "platform/progresssink.h"
#include "sources/modemlog/modemlogsource.h"
#include "tariff/callcoster.h"
#include "tariff/tarifftable.h"

#include <QLocale>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    ConnectionTable table;
    TariffTable tariff;
    tariff.setRate(0, QStringLiteral("0.04"));
    tariff.setboxrates();
    const CallCoster coster(tariff);
    SilentProgress progress;
    ModemLogSource source(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    LogLoader loader(
        table, [&](ConnectionTable& t, int slot) { return coster.findvariables(t, slot); },
        progress, source);
    const LoadReport report = loader.lookinlog();
    const ShutdownGuard::Result closed = ShutdownGuard(loader, table).unload(report);
    return closed.outcome == ShutdownGuard::Outcome::Emptied ? 0 : 1;
}
