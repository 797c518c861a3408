#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The course: numbered resources (descriptor, question-bank tables, question
// pages, progress templates, skin pictures). The package carried inside the
// executable lives under the resource folder ":/course"; a folder on disk
// holding one file per resource, named by its number, works the same way, so
// a teacher can try a course without rebuilding the program.
class CoursePackage
{
public:
    static CoursePackage embedded();
    static CoursePackage fromFolder(const QString &folder);

    QString root() const { return m_root; }
    bool isAvailable() const;

    std::optional<QByteArray> resource(int number) const;

    // Resource numbers of the parts of subject s (1..3).
    static int descriptorNumber() { return 30000; }
    static int bankTableNumber(int subject, int table) { return 30000 + 10 * subject + table; }
    static int templateNumber(int subject, int file) { return 30100 + 10 * subject + file; }

private:
    explicit CoursePackage(QString root);

    QString m_root;
};

// Why an extraction failed; never zero.
enum ExtractError : int {
    ExtractNoSuchResource = 1,
    ExtractUnknownType = 2,
    ExtractWriteFailed = 3,
};

// Writes resource id of type "Custom" to path and returns 0, or returns an
// ExtractError and leaves path as it was. Never throws.
int ExtractResource(const CoursePackage &package, int id, const QString &type, const QString &path);
