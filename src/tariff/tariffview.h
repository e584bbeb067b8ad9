#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class ConnectionTable;
class TariffTable;

// What "View tarif for selected connection(s)" tells about the selected lines of the written
// view: the per-minute rate of the hour each call started in, after the discount.
class TariffView
{
public:
    struct Message {
        QString text;
        // False when the rate could not be worked out and the text says why.
        bool rateShown = true;
    };

    // One message per line that stands for a connection, in the order of the lines; a day
    // separator gives none.
    static QList<Message> messages(const QStringList& lines, const ConnectionTable& table,
                                   const TariffTable& tariff);
    // Plain decimal text with at most 15 significant digits and the locale's decimal point:
    // 0.04 x 80 / 100 -> "0.032". Never in exponent form.
    static QString rateText(double value);
};
