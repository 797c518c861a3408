#pragma once

#include "resultsprintout.h"

#include <QFont>
#include <QList>

class QPrinter;

// Prints the results listing: each line's items at their print zones, a zone
// being 14 average character widths of the printer font; a new page when one
// is full. Returns false when the printer could not be started or the job failed.
namespace ResultsPrinter {

QFont printFont();
bool print(const QList<PrintLine> &lines, QPrinter &printer);

} // namespace ResultsPrinter
