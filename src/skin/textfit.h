#pragma once

#include <QtGlobal>

class QLabel;

// Captions sit in pictures of a fixed size. Where the fonts at hand are wider
// than the design's (a system with only DejaVu, say), the label's font is made
// smaller until its text fits, down to a readable minimum, instead of letting
// the text be cut off.
void fitTextToWidth(QLabel *label, int width, qreal minimumPointSize = 6.0);
