#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What one editor keeps of the continuation sheets of its last print.
struct ContinuationState
{
    int sheetCount = 0;   // last sheet that received a line; 0: no continuation
    int dopStartLine = 0; // line of the continuation text where the next block starts
    int dopLineCount = 0; // lines placed on the sheets so far, blank separators included

    // Sheets 2 and on as this editor's print left them. The sheet layouts are shared by
    // all editors, so "Друк листів продовжень" puts these back before it prints: a
    // print in another editor meanwhile cannot change what this one prints.
    struct Sheet
    {
        QStringList lines;
        QString number;
    };
    QList<Sheet> laterSheets;
};
