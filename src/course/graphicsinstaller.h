#pragma once

#include <QString>

class CoursePackage;

// The skin's pictures are written from the package into dataDir/Graphics at
// every start, so every window can load them by name.
namespace Graphics {

QString folder(const QString &dataDir);

// Creates the folder and writes every picture of the table into it; a file
// that already holds its picture is left as it is. A picture that cannot be
// written is passed over: an earlier start's copy stays in use. Returns the
// number of pictures the folder now holds as the package has them.
int InstallGraphics(const CoursePackage &package, const QString &dataDir);

// The path of a picture in the folder, its name matched without regard to
// case ("Pencil.ico" finds pencil.ico); the exact name when none is there.
QString picturePath(const QString &dataDir, const QString &name);

} // namespace Graphics
