#pragma once

#include <QByteArray>
#include <QList>

// What a fresh progress file of a subject holds, as the package carries it.
namespace ProgressTemplates {

// "...", FSE, SSE, LTM and CDD with paperCount empty fields, FST and SST with
// paperCount fields "0", "..."; every line ends with CR LF.
QByteArray marks(int paperCount);

// The answers and results files: "...", the row "#101#" .. of every paper
// with one empty field per blank, "..." with no line end after it.
QByteArray paperRows(const QList<int> &slotCounts);

// "#TRD#" and CR LF: a trend with no scores yet.
QByteArray trend();

} // namespace ProgressTemplates
