#include "lognames.h"

QString LogNames::fileName(const QString& logpath)
{
    const qsizetype slash =
        qMax(logpath.lastIndexOf(QLatin1Char('/')), logpath.lastIndexOf(QLatin1Char('\\')));
    return logpath.mid(slash + 1);
}

QString LogNames::withoutExtension(const QString& logpath)
{
    const QString name = fileName(logpath);
    const bool hasExtension = name.size() > 4 && name.indexOf(QLatin1Char('.'), 1) > 0;
    return hasExtension ? logpath.chopped(4) : logpath;
}
