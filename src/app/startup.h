#pragma once

class QApplication;

// What the program sets up on its application before the main window is made: names,
// Qt's Ukrainian translations, the window icon, the hint timing. Only what the main
// window needs: printing's layouts and the dialogs are made when first used.
void prepareApplication(QApplication &app);
