#pragma once

class QUrl;

// How opening a web page in the pupil's browser went.
enum class WebLinkResult {
    Opened,
    NoBrowser, // nothing on the system opens web pages
    Failed,    // a browser is there but would not start
};

// Opens url in the system's browser.
WebLinkResult openWebLink(const QUrl &url);
