#pragma once

#include <QList>
#include <QRect>
#include <QSize>

// Where the large parts of a practice window go for the window's size:
// toolbar strip along the top, question page on the left with its status
// strip under it, answer sheet on the right behind its show/hide handle, size
// grip in the corner. Recomputed on every resize; no part is ever given a
// negative size.
struct PracticeLayout
{
    static constexpr int ToolButtonCount = 6;

    QRect toolStrip;          // the window's
    QList<QRect> toolButtons; // the strip's, Save .. Next
    QRect paperSum;           // the strip's: the score box
    QRect question;           // the HTML view
    QRect questionTitle;      // over the top of the HTML view
    QRect statusStrip;        // under the HTML view, as wide
    QRect handle;             // the strip with the answer sheet's handle
    QRect sheet;              // the answer sheet; beyond the right edge while hidden
    QRect sizeGrip;

    // handleWidth differs between the two attempts' windows.
    static PracticeLayout compute(const QSize &size, bool sheetShown, int handleWidth);

    // Anything smaller cannot be reached with the size grip.
    static QSize minimumSize();
    // The window's place as it opens: towards the bottom right of the screen,
    // kept wholly within the available area.
    static QRect openingGeometry(const QRect &available);
};
