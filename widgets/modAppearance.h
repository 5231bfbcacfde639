#pragma once

#include <QFont>
#include <QIcon>

class QLabel;
class QWidget;

// Makes Tahoma available to the program where the system lacks it, or says in a line on the error
// output what to install. Call once, after the QApplication exists and before the first window is
// built.
void LoadProgramFonts();

// Tahoma at the given size, regular or bold, Western character set; the system's sans-serif
// where no Tahoma can be had.
QFont TahomaFont(qreal pointSize, bool bold = false);

// The program's icon, the window icon of both windows: the three images of the .ico and the
// desktop theme icon's sizes from 48 pixels up.
QIcon ProgramIcon();

// Gives a window the program's icon: the .ico's images at once, the large sizes once the window's
// first frame is drawn.
void SetProgramIcon(QWidget *window);

// Black text on the colours the window's design fixes, for its labels, check boxes, option buttons,
// shapes and lines, whatever the desktop's theme: a dark or high-contrast theme's light window text
// is unreadable on them. Buttons, text boxes and the scroll bar draw their own faces, and keep the
// theme's colours there, as in every other program on that desktop.
void UseBlackWindowText(QWidget *window);

// Sets an auto-size label's caption: the label takes the size of its text and keeps its top-left
// corner.
void SetAutoSizeCaption(QLabel *label, const QString &caption);
