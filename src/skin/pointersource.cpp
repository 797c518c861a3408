#include "pointersource.h"

#include <QCursor>

PointerSource systemPointer()
{
    return [] { return QCursor::pos(); };
}
