#pragma once

#include "skinpictures.h"

// The 44 x 45 toolbar buttons in their off, on, pressed and disabled looks.
void addToolbarPictures(PictureMakers &makers);
