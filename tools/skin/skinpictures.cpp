#include "skinpictures.h"

#include "controlpictures.h"
#include "emblempictures.h"
#include "framepictures.h"
#include "toolbarpictures.h"

namespace {

PictureMakers allMakers()
{
    PictureMakers makers;
    addFramePictures(makers);
    addToolbarPictures(makers);
    addControlPictures(makers);
    addEmblemPictures(makers);
    return makers;
}

} // namespace

QImage drawSkinPicture(const QString &fileName, QSize size)
{
    static const PictureMakers makers = allMakers();
    const PictureMaker maker = makers.value(fileName);
    return maker ? maker(size) : QImage();
}
