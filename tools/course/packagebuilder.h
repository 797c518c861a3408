#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

struct CourseSource;

// Compiles a course source into the package: one resource per number, each
// holding exactly the bytes the program extracts.
namespace PackageBuilder {

// Subject s's question pages are numbered from here in paper order.
inline int firstPageNumber(int subject) { return 10000 * subject + 5001; }

// The descriptor, the question-bank tables, the question pages and the
// progress templates of every subject.
QMap<int, QByteArray> courseResources(const CourseSource &course);

// The skin pictures found in folder by their file names (letter case aside),
// as resources 1..92. Nothing when one is missing; *errors names each.
std::optional<QMap<int, QByteArray>> pictureResources(const QString &folder, QStringList *errors);

// Writes every resource into folder as a file named by its number, leaving
// files whose bytes are unchanged alone, and removes numbered files that are
// no longer part of the package.
bool writePackage(const QMap<int, QByteArray> &resources, const QString &folder, QString *error);

} // namespace PackageBuilder
