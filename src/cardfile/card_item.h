#pragma once

#include <QString>

// item(S, n, sep): the n-th piece of S between separators, counted from 1.
// A string without the separator is its own item 1; an item beyond the last one,
// and item 0, is the empty string.
QString item(const QString &s, int n, QChar sep = QLatin1Char('\\'));

// Leading and trailing blanks and control characters removed (every character up to
// the blank), as card lines and field codes are trimmed.
QString trimLine(const QString &s);

// Field code of a card line: item 1, trimmed.
QString lineCode(const QString &line);
