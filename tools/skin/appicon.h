#pragma once

#include <QImage>
#include <QList>

// The application icon the desktop shows in its menus and launchers: the
// skin's open book on a tile of the title bar's glass blue, with a marking
// tick. It is drawn afresh for each size, with fewer details where pixels are
// few, rather than scaled from one picture.
QImage drawAppIcon(int size);

// The square sizes, in pixels, the icon is installed at (hicolor theme folders).
QList<int> appIconSizes();
