#pragma once

#include "mhtmlarchive.h"

#include <QByteArray>
#include <QString>

struct SourcePage;

// Turns a page of the course source into the web archive the question view
// shows: "Question n" in a header band, the instruction in italics, any
// figures, then the question with numbered options, the passage with its
// lettered gaps, or the lettered questions of the page's blanks. The letters
// (a), (b), ... match the rows of the answer sheet.
namespace PageRenderer {

// The page's HTML; number is the page's place in its paper, from 1.
QString html(const SourcePage &page, int number);

QByteArray styleSheet();

MhtmlArchive archive(const SourcePage &page, int number, int pageId);

} // namespace PageRenderer
