#pragma once

#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

// Draws one picture at the size it is installed at.
using PictureMaker = std::function<QImage(QSize)>;
// Drawings by the file name the picture is installed under.
using PictureMakers = QHash<QString, PictureMaker>;

// The picture installed as fileName, drawn at size; a null image when the
// skin has no drawing of that name.
QImage drawSkinPicture(const QString &fileName, QSize size);
