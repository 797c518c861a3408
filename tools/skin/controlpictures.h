#pragma once

#include "skinpictures.h"

// Tabs, plain and paper buttons, status-strip panels, headings, the marking
// bars, the size grip and the small pieces of the pages.
void addControlPictures(PictureMakers &makers);
