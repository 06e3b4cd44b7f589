#pragma once

#include <QString>

// Ukrainian to Latin letters by the official table for names and places (Cabinet of
// Ministers of Ukraine, resolution No. 55 of 27 January 2010): Є, Ї, Й, Ю, Я take
// their long forms (Ye, Yi, Y, Yu, Ya) at the start of a word and the short ones
// (ie, i, i, iu, ia) inside it; "зг" gives "zgh"; the soft sign and the apostrophe
// are dropped. A capitalised word stays capitalised and a word in capitals stays in
// capitals. What is not a Ukrainian letter (Latin letters, digits, blanks, hyphens)
// is kept as it is.
QString transliterate(const QString &ukrainian);
// The Cyrillic letters of `text` that are not in the Ukrainian alphabet (ы, э, ё, ъ),
// each once: they would stay Cyrillic in the Latin form.
QString foreignCyrillic(const QString &text);
