#include "connectionprinter.h"

#include "platform/formats.h"
#include "platform/programinfo.h"
#include "report/textexport.h"

#include <QDateTime>
#include <QFont>
#include <QFontMetricsF>
#include <QList>
#include <QMarginsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextLayout>
#include <QTextOption>

namespace
{

constexpr qreal MarginMillimetres = 15.0;
constexpr int PointSize = 10;

QFont printFont()
{
    QFont font;
    font.setPointSize(PointSize);
    return font;
}

// The pieces a line takes on paper: itself when it fits, otherwise wrapped at words (or anywhere
// in a word longer than the page).
QStringList wrap(const QString& line, const QFont& font, QPaintDevice* device, qreal width)
{
    if (QFontMetricsF(font, device).horizontalAdvance(line) <= width)
        return {line};
    QTextLayout layout(line, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList pieces;
    layout.beginLayout();
    for (QTextLine textLine = layout.createLine(); textLine.isValid();
         textLine = layout.createLine()) {
        textLine.setLineWidth(width);
        pieces << line.mid(textLine.textStart(), textLine.textLength());
    }
    layout.endLayout();
    if (pieces.isEmpty())
        pieces << line;
    return pieces;
}

struct Plan {
    QList<QStringList> pages;
    qreal step = 0;
    qreal ascent = 0;
};

// Everything is laid out before the job begins, so nothing but the device itself can fail once
// pages are being sent.
std::optional<Plan> paginate(const QStringList& lines, const QFont& font, QPaintDevice* device)
{
    const QFontMetricsF metrics(font, device);
    Plan plan;
    plan.step = metrics.lineSpacing();
    plan.ascent = metrics.ascent();
    const qreal width = device->width();
    const int perPage = plan.step > 0 ? int(device->height() / plan.step) : 0;
    if (width <= 0 || perPage < 1)
        return std::nullopt;
    plan.pages.append(QStringList());
    for (const QString& line : lines) {
        for (const QString& piece : wrap(line, font, device, width)) {
            if (plan.pages.last().size() >= perPage)
                plan.pages.append(QStringList());
            plan.pages.last() << piece;
        }
    }
    return plan;
}

bool paintPlan(QPainter& painter, QPagedPaintDevice& device, const Plan& plan, const QFont& font)
{
    painter.setFont(font);
    for (qsizetype p = 0; p < plan.pages.size(); ++p) {
        if (p > 0 && !device.newPage())
            return false;
        const QStringList& page = plan.pages.at(p);
        for (qsizetype i = 0; i < page.size(); ++i) {
            if (!page.at(i).isEmpty())
                painter.drawText(QPointF(0, qreal(i) * plan.step + plan.ascent), page.at(i));
        }
        if (!painter.isActive())
            return false;
    }
    return true;
}

void setMargins(QPagedPaintDevice& device)
{
    // A printer may refuse margins below its printable area; its own then stand.
    device.setPageMargins(
        QMarginsF(MarginMillimetres, MarginMillimetres, MarginMillimetres, MarginMillimetres),
        QPageLayout::Millimeter);
}

} // namespace

QString ConnectionPrinter::header(const QDateTime& now)
{
    return QLatin1String("Printed using Dialtrak.  Current date - ") + Formats::generalDate(now);
}

std::optional<QStringList> ConnectionPrinter::documentLines(const ConnectionTable& table,
                                                            bool twelveHour, const QDateTime& now,
                                                            QString* error)
{
    const std::optional<QStringList> connections =
        TextExport::connectionLines(table, twelveHour, error);
    if (!connections)
        return std::nullopt;
    QStringList lines{header(now), QString()};
    const QString indent(7, QLatin1Char(' '));
    for (const QString& line : *connections)
        lines << indent + line;
    lines << QString() << TextExport::totalLines(table);
    return lines;
}

bool ConnectionPrinter::printTo(QPrinter& printer, const QStringList& lines)
{
    setMargins(printer);
    const QFont font = printFont();
    const std::optional<Plan> plan = paginate(lines, font, &printer);
    if (!plan)
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    if (!paintPlan(painter, printer, *plan, font) || printer.printerState() == QPrinter::Error) {
        // Cancels the job where the print system allows it, instead of sending part of it.
        printer.abort();
        painter.end();
        return false;
    }
    return painter.end() && printer.printerState() != QPrinter::Error &&
           printer.printerState() != QPrinter::Aborted;
}

bool ConnectionPrinter::printconnect(const QStringList& lines)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return false;
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid())
        return false;
    printer.setDocName(ProgramInfo::title());
    return printTo(printer, lines);
}
