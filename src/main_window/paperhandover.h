#pragma once

#include <QString>

// What the main window hands to a practice window opening a paper: the
// selected subject and topic and the chosen paper and attempt.
struct PaperHandOver
{
    int subject = 0;      // SubjectIndex, 1..3
    QString courseCode;   // part of the progress file names
    int paperNum = 0;     // PaperId, 101..150
    int takeNum = 0;      // attempt, 1 or 2
    int topicCount = 0;   // PaperIndex of the topic's first paper: 1, 6, .. 46
    QString topicName;
    int paperCount = 0;   // papers of the subject
};
