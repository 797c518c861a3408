#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A course as its author writes it: course.txt naming the course and its
// subjects, and per subject one text file per paper (docs/COURSE_FORMAT.md).

struct SourcePlace
{
    QString file; // as the author finds it: the source folder joined with the relative path
    int line = 0;

    QString toString() const { return line ? file + u':' + QString::number(line) : file; }
};

// One answer blank as the question bank holds it.
struct SourceSlot
{
    QString key;
    QString kind;
    int marks = 0;
};

// A `blank:` line (one blank) or a `group:` line (count blanks sharing the answers).
struct SourceItem
{
    SourcePlace place;
    bool group = false;
    QString question;
    QStringList answers; // one for a blank, the alternatives of a group
    QString kind;
    int marks = 0;
    int count = 1;
};

struct SourceImage
{
    SourcePlace place;
    QString fileName;
    QByteArray mimeType;
    QByteArray bytes;
};

struct SourcePage
{
    // A single question with its answer (and options for kind Q), a passage
    // with its blanks in square brackets, or a list of blank: and group: lines.
    enum class Layout { Question, Passage, Items };

    SourcePlace place;
    Layout layout = Layout::Question;
    QString kind;  // Question and Passage layouts
    int marks = 0; // Question and Passage layouts
    QString instruction;
    QString question;
    QStringList options;
    QString answer;
    // The passage as text pieces around its blanks: pieces.size() == blanks.size() + 1.
    QStringList passagePieces;
    QStringList passageBlanks;
    QList<SourceItem> items;
    QList<SourceImage> images;

    // The page's answer blanks in order, as the bank stores them: a group is
    // a lead slot whose key lists the answers, each after a ';', followed by
    // continuation slots whose key is a single space.
    QList<SourceSlot> answerSlots() const;
    int marksTotal() const;
};

struct SourcePaper
{
    SourcePlace place;
    QList<SourcePage> pages;

    int slotCount() const;
};

struct SourceSubject
{
    SourcePlace place;
    QString name;
    QString folder;
    QStringList topics;
    QList<SourcePaper> papers;
};

struct CourseSource
{
    static constexpr int MaxSubjects = 3;
    static constexpr int MaxTopics = 10;
    static constexpr int PapersPerTopic = 5;
    static constexpr int MaxSlotsPerPage = 20;
    static constexpr int MaxSlotsPerPaper = 80;
    static constexpr int MaxOptions = 9;
    static constexpr int MaxMarks = 9;

    QString name;
    QString code;
    QList<SourceSubject> subjects;

    // Reads folder/course.txt and every paper of every subject. Nothing when
    // the source has errors; *errors then holds one "file:line: message" each.
    static std::optional<CourseSource> read(const QString &folder, QStringList *errors);
};
