#pragma once

#include "skinpictures.h"

// Window icons, the hand pointer, the dialog's information mark, the logo
// and the answer sheet's instruction for mixed numbers.
void addEmblemPictures(PictureMakers &makers);
