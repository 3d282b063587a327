#pragma once

#include <QColor>

// The colours of everything the program draws: the window's orange, and the
// wheel's and the report's fills and inks, so that a picture and a page of
// the same reading look alike.
inline const QColor kAmber(255, 180, 4);        // the window's background
inline const QColor kPaleAmber(255, 205, 90);   // shaded rows and sectors
inline const QColor kCream(255, 244, 214);
inline const QColor kPaleCream(255, 232, 178);
inline const QColor kPaper(255, 250, 238);
inline const QColor kBlue(0, 0, 255);           // names, as the result panel shows them
inline const QColor kInk(0, 0, 150);
inline const QColor kBrown(150, 100, 0);
inline const QColor kWhite(255, 255, 255);
inline const QColor kText(30, 30, 30);
inline const QColor kQuiet(110, 110, 110);
