#pragma once
// Start-up shared by the program and its tests.

#include <QString>

namespace korvel {

// Loads the program's pictures and makes "宋体" resolve to the installed
// Song/Ming-style CJK font, so that every caption and drawn text in Chinese
// renders. Called once, right after the QApplication is made.
void setUpApplication();

// Opens the main window and every fitting window in turn through the menu,
// runs each of its compute commands with a screenshot after each
// (Form4-elbow-end.png ...), saves a screenshot of each window after its first
// command into `directory` (Form1.png ... Form10.png), and closes each window
// with its return command. Returns 0 when every window
// opened, showed its title and brought the main window back; 1 otherwise.
int takeScreenshots(const QString& directory);

}  // namespace korvel
