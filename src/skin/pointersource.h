#pragma once

#include <QPoint>

#include <functional>

// Where the mouse pointer is, in global (screen) coordinates. Windows read it
// to light up their picture buttons; tests put the pointer where they like.
using PointerSource = std::function<QPoint()>;

// The real mouse pointer.
PointerSource systemPointer();
