#pragma once

#include <QString>
#include <QStringList>

class QLineEdit;
class QWidget;

// What the program's windows share beyond their Designer forms: the font
// they ask for, and their place on the screen.
namespace zorvane {

inline constexpr double kFormFontPoints = 8.25;

// Verdana first; where it is missing, DejaVu Sans (a dependency of the
// package) rather than whatever face the system would pick, so that widths
// stay the same on every machine whichever other fonts are installed.
// Scripts neither face covers (Devanagari) fall through to the system's own.
QStringList FormFontFamilies();

// Asks for Verdana at the given size, keeping the widget's other font
// settings. Designer stores whole points only, hence the fractional sizes here.
void RequestVerdana(QWidget& widget, double points = kFormFontPoints);

// "Zorvane v1.95": every window's caption, with the version the project is
// built as.
QString WindowCaption();

// Draws the window's frames with their captions on the frame line rather
// than above it, so that controls placed near a frame's top stay inside it.
// Call after RequestVerdana: a style sheet fixes the fonts it finds.
void PutCaptionsOnFrameLines(QWidget& window);

// Gives a narrow box's text one more pixel on each side, inside its frame,
// so that three characters ("-30", "180", "+12") show whole in the boxes'
// given sizes.
void TrimInnerMargins(QLineEdit& box);

// Puts a window in the middle of its screen's free area.
void CentreOnScreen(QWidget& window);

}  // namespace zorvane
