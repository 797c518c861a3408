#include "resultsprinter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

namespace ResultsPrinter {

QFont printFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial")});
    font.setPointSize(8);
    return font;
}

bool print(const QList<PrintLine> &lines, QPrinter &printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QFont font(printFont(), &printer);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &printer);
    const double column = metrics.averageCharWidth();
    const double lineHeight = metrics.lineSpacing();
    const double pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();

    double top = 0;
    for (const PrintLine &line : lines) {
        if (top + lineHeight > pageHeight) {
            if (!printer.newPage()) {
                painter.end();
                return false;
            }
            top = 0;
        }
        const QList<int> columns = zoneColumns(line);
        for (qsizetype i = 0; i < line.size(); ++i)
            painter.drawText(QPointF(columns.at(i) * column, top + metrics.ascent()), line.at(i).text);
        top += lineHeight;
    }
    return painter.end();
}

} // namespace ResultsPrinter
