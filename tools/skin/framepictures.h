#pragma once

#include "skinpictures.h"

// Window frame pieces: title bars, borders, corners and title-bar buttons.
void addFramePictures(PictureMakers &makers);
