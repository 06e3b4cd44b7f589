#pragma once

class QCoreApplication;

// Qt's own texts (the buttons of message boxes, the file, print and preview dialogs)
// in Ukrainian, like the rest of the program, whatever the system's language. False
// when Qt's Ukrainian translations are not installed: the dialogs then stay in
// Qt's own English.
bool installQtTranslations(QCoreApplication &app);
