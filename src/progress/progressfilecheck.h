#pragma once

#include <QByteArrayView>

// Tells whether a progress file still has the shape of its template: the
// same records in the same order with the same number of fields (the trend
// record may hold any number of scores), and no other lines but the "..."
// lines a template starts and ends with. A file that fails this is damaged:
// reading it would turn answers into blanks, and rewriting it would lose them.
namespace ProgressFileCheck {

bool isSound(QByteArrayView fileBytes, QByteArrayView templateBytes);

} // namespace ProgressFileCheck
