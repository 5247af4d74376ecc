#pragma once
// Start-up shared by the program and its tests.

#include <QString>

namespace korvel {

// "宋体" resolves to the installed Song/Ming-style CJK font, so that every
// caption and drawn text in Chinese renders.
void setUpFonts();

// Opens the main window and every fitting window in turn through the menu,
// saves a screenshot of each into `directory` (Form1.png ... Form10.png), and
// closes each window with its return command. Returns 0 when every window
// opened, showed its title and brought the main window back; 1 otherwise.
int takeScreenshots(const QString& directory);

}  // namespace korvel
