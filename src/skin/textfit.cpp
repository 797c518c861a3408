#include "textfit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QVariant>

void fitTextToWidth(QLabel *label, int width, qreal minimumPointSize)
{
    // Always start from the label's designed font, so a shorter text grows back.
    static const char designFontProperty[] = "designFont";
    const QVariant design = label->property(designFontProperty);
    QFont font = design.isValid() ? design.value<QFont>() : label->font();
    if (!design.isValid())
        label->setProperty(designFontProperty, font);
    if (font.pointSizeF() <= 0)
        return;
    while (QFontMetrics(font).horizontalAdvance(label->text()) > width && font.pointSizeF() - 0.5 >= minimumPointSize)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    label->setFont(font);
}
