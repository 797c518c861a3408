#pragma once

#include "pageview.h"

#include <QStringList>

// Loads the question view library, which brings the web engine, the first
// time a paper is about to open, and makes the views of the practice windows
// from it. Until then the program runs without the web engine: it starts
// sooner and takes a fraction of the memory while the pupil chooses a paper.
namespace QuestionViewLibrary {

// The folders the library is looked for in, in order: where the installed
// program keeps it, then beside the program (as built).
QStringList defaultFolders();

// The views from the library found in folders (the default ones if empty).
PageViewSource source(const QStringList &folders = {});

} // namespace QuestionViewLibrary
