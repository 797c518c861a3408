#pragma once

#include <QString>
#include <QStringList>

// A small course written for timing the marking: one subject whose paper 1
// has one page of 20 answer slots and whose paper 2 has four pages of 20,
// the most a paper holds, mixing every answer kind and groups.
namespace MarkingCourse {

void write(const QString &folder);

// The answers a pupil might give to paper n (1 or 2): half of them right.
QStringList answers(int paperIndex);

} // namespace MarkingCourse
