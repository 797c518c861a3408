#include "practicelayout.h"

#include "skin/twips.h"

#include <algorithm>

namespace {

// Drawn up in twips, as the rest of the skin.
constexpr int titleHeight = twips(420);
constexpr int border = twips(60);
constexpr int stripHeight = twips(765);
constexpr int statusHeight = twips(375);
constexpr int sheetWidth = twips(4095);
constexpr QSize toolButtonSize(twips(660), twips(675));
constexpr int toolButtonTop = twips(65);
constexpr int toolButtonGap = twips(120);
constexpr QSize paperSumSize(twips(1755), twips(615));
constexpr int questionTitleLeft = twips(120);
constexpr int questionTitleHeight = twips(375);
constexpr int gripSize = twips(120);

constexpr QSize openingSize(twips(12000), twips(9000));
// The opening place counts back from the screen's bottom-right corner.
constexpr QPoint openingOffset(twips(12500), twips(10000));

int atLeastZero(int length)
{
    return std::max(length, 0);
}

} // namespace

PracticeLayout PracticeLayout::compute(const QSize &size, bool sheetShown, int handleWidth)
{
    const int w = size.width();
    const int h = size.height();
    PracticeLayout layout;

    layout.toolStrip = QRect(border, titleHeight, atLeastZero(w - 2 * border), stripHeight);
    const int stripWidth = layout.toolStrip.width();
    int left = toolButtonGap;
    for (int i = 0; i < 4; ++i) {
        layout.toolButtons.append(QRect(QPoint(left, toolButtonTop), toolButtonSize));
        left += toolButtonSize.width() + toolButtonGap;
    }
    const QRect next(QPoint(stripWidth - toolButtonSize.width() - toolButtonGap, toolButtonTop), toolButtonSize);
    const QRect back(QPoint(next.x() - toolButtonSize.width() - toolButtonGap, toolButtonTop), toolButtonSize);
    layout.toolButtons << back << next;
    layout.paperSum = QRect(QPoint(w - sheetWidth, toolButtonTop), paperSumSize);

    const int top = titleHeight + stripHeight;
    const int innerHeight = atLeastZero(h - top - border);
    if (sheetShown) {
        layout.sheet = QRect(w - sheetWidth - border, top, sheetWidth, innerHeight);
        layout.handle = QRect(layout.sheet.x() - handleWidth, top, handleWidth, innerHeight);
    } else {
        layout.sheet = QRect(w, top, sheetWidth, innerHeight);
        layout.handle = QRect(w - border - handleWidth, top, handleWidth, innerHeight);
    }

    const int questionWidth = atLeastZero(w - (sheetShown ? sheetWidth : 0) - handleWidth - 2 * border);
    layout.question = QRect(border, top, questionWidth, atLeastZero(h - top - statusHeight - border));
    layout.questionTitle = QRect(questionTitleLeft, layout.question.y() + himetric(120),
                                 atLeastZero(questionWidth - himetric(640)), questionTitleHeight);
    layout.statusStrip = QRect(border, layout.question.y() + layout.question.height(), questionWidth, statusHeight);
    layout.sizeGrip = QRect(w - gripSize - himetric(60), h - gripSize - himetric(60), gripSize, gripSize);
    return layout;
}

QSize PracticeLayout::minimumSize()
{
    return QSize(twips(7300) + 1, twips(5000) + 1);
}

QRect PracticeLayout::openingGeometry(const QRect &available)
{
    const QSize size = openingSize.boundedTo(available.size()).expandedTo(minimumSize());
    QPoint place = available.topLeft() + QPoint(available.width(), available.height()) - openingOffset;
    place.setX(std::clamp(place.x(), available.left(), std::max(available.left(), available.right() + 1 - size.width())));
    place.setY(std::clamp(place.y(), available.top(), std::max(available.top(), available.bottom() + 1 - size.height())));
    return QRect(place, size);
}
