#pragma once

#include "practice/pageview.h"
#include "skin/dialogs.h"
#include "skin/pointersource.h"
#include "weblink.h"

#include <QDateTime>

#include <functional>
#include <memory>

class QUrl;

// What the windows take from the world outside, so that tests can stand in
// for it. Empty members are filled with the real thing.
struct Services
{
    std::shared_ptr<Dialogs> dialogs;                  // the pop-up and system dialogs
    std::function<QDateTime()> clock;                  // now
    PointerSource pointer;                             // the mouse pointer
    std::function<WebLinkResult(const QUrl &)> openWebPage; // the pupil's browser
    PageViewSource pageViews;                          // the question view library
};
