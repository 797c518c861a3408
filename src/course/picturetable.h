#pragma once

#include <QList>
#include <QSize>
#include <QString>

// The skin's pictures: which package resource holds which file of the
// Graphics folder, and the pixel size each one is drawn at.
struct PictureEntry
{
    int number = 0;
    QString fileName;
    QSize size;
};

// All pictures in ascending resource number (1..92; 38..40 are unused).
const QList<PictureEntry> &pictureTable();
