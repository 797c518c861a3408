#include "embeddedcourse.h"

#include <QResource>

// Defined in embeddedcourse.S: the binary resource made by rcc --binary.
extern "C" const uchar quorvale_course_rcc[];

bool registerEmbeddedCourse()
{
    static const bool registered = QResource::registerResource(quorvale_course_rcc);
    return registered;
}
