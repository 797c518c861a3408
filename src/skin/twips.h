#pragma once

// The window layouts are drawn up in twips (1/1440 inch) and, for a few
// figures, in HIMETRIC (1/100 mm). Qt lays out in device-independent pixels,
// 15 twips each, and scales them for the screen, so these give pixels.

constexpr int twips(double value)
{
    return int(value / 15.0 + (value >= 0 ? 0.5 : -0.5));
}

constexpr int himetric(double value)
{
    return twips(value * 1440.0 / 2540.0);
}
