#pragma once

#include <QFont>

// The Times New Roman of the main window's title lines and entries. Its letters are fully
// hinted, on whole pixels, as Windows draws them: the fixed-size window then looks the same
// on both systems, and each letter is drawn once rather than once for every fraction of a
// pixel it happens to start at, which the window's first paint waits for.
inline QFont mainWindowFont(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}
