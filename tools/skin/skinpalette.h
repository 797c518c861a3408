#pragma once

#include <QColor>

// The colours every skin picture is drawn from, so that pieces drawn apart
// still meet without a seam.
namespace SkinPalette {

// Painted by the program itself: the toolbar strip, the status strip, the
// answer-sheet handle strip and the dialogs.
inline constexpr QColor face(244, 245, 235);
// Pages of the main window and the answer sheet.
inline constexpr QColor page(255, 255, 255);
// Outlines and dark strokes of drawings.
inline constexpr QColor ink(52, 66, 88);

// The window border, from its outer edge inwards.
inline constexpr QColor frameRing[4] = {{86, 112, 150}, {184, 200, 222}, {222, 230, 240}, {160, 178, 204}};

// Active title bar: a glass-like blue, lighter in its upper half.
inline constexpr QColor titleOutline(38, 78, 140);
inline constexpr QColor titleGlossTop(126, 178, 240);
inline constexpr QColor titleGlossBottom(84, 144, 226);
inline constexpr QColor titleBodyTop(58, 122, 212);
inline constexpr QColor titleBodyBottom(44, 100, 190);
inline constexpr QColor titleBaseLine(30, 70, 132);

// Inactive title bar: white fading into a light grey.
inline constexpr QColor paleTop(255, 255, 255);
inline constexpr QColor paleBottom(226, 231, 238);
inline constexpr QColor paleBaseLine(190, 199, 212);
inline constexpr QColor paleGlyph(128, 138, 154);

// Highlights of buttons under the pointer.
inline constexpr QColor glowEdge(104, 156, 222);
inline constexpr QColor glowTop(255, 255, 255);
inline constexpr QColor glowBottom(221, 234, 250);
inline constexpr QColor pressedEdge(74, 112, 164);
inline constexpr QColor pressedTop(190, 208, 232);
inline constexpr QColor pressedBottom(214, 226, 242);

// Soft blue strips for headings.
inline constexpr QColor headTop(236, 243, 252);
inline constexpr QColor headBottom(205, 222, 244);
inline constexpr QColor headEdge(150, 176, 212);

// Drawing colours.
inline constexpr QColor blue(52, 118, 210);
inline constexpr QColor lightBlue(120, 178, 240);
inline constexpr QColor red(214, 70, 52);
inline constexpr QColor lightRed(240, 130, 110);
inline constexpr QColor green(62, 160, 60);
inline constexpr QColor lightGreen(130, 210, 100);
inline constexpr QColor paper(252, 252, 246);
inline constexpr QColor steel(150, 160, 176);
inline constexpr QColor lightSteel(214, 220, 230);

} // namespace SkinPalette
