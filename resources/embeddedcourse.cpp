#include "embeddedcourse.h"

#include <QResource>

// Defined in embeddedcourse.S: the binary resources made by rcc --binary,
// both under ":/course" (the question pages and the rest).
extern "C" const uchar quorvale_course_rcc[];
extern "C" const uchar quorvale_course_pages_rcc[];

bool registerEmbeddedCourse()
{
    static const bool registered = QResource::registerResource(quorvale_course_rcc)
                                   && QResource::registerResource(quorvale_course_pages_rcc);
    return registered;
}
