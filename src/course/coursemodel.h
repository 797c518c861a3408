#pragma once

#include <QString>
#include <QStringList>

#include <array>

class CoursePackage;

// One subject of the course, as its descriptor names it.
struct SubjectInfo
{
    QString name; // empty: the subject is absent
    int topicCount = 0;
    int paperCount = 0;
    QStringList topicNames; // always 10 entries, empty beyond the topic count

    bool isPresent() const { return !name.isEmpty(); }
};

// The course descriptor, read once at start-up.
struct CourseModel
{
    static constexpr int MaxSubjects = 3;
    static constexpr int MaxTopics = 10;
    static constexpr int PapersPerTopic = 5;

    QString courseName;
    QString courseCode;
    std::array<SubjectInfo, MaxSubjects> subjects;

    // subject is a SubjectIndex, 1..3
    const SubjectInfo &subject(int index) const { return subjects.at(size_t(index - 1)); }
    bool isPresent(int index) const { return index >= 1 && index <= MaxSubjects && subject(index).isPresent(); }
    QList<int> presentSubjects() const;
    int firstPresentSubject() const; // 0 when the course has none

    // Writes the descriptor to dataDir/temptext30000.txt, reads it and removes it.
    // When the descriptor cannot be written the model stays empty (no subjects).
    static CourseModel load(const CoursePackage &package, const QString &dataDir);
};
