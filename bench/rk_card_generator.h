#pragma once

#include <QString>
#include <QStringList>

// The shape of a generated RK card: how many entries each list holds and how long the
// long texts are. Every value is one the editor accepts.
struct RkCardShape
{
    int customers = 3;   // 1 .. 200
    int coExecutors = 2; // 0 .. 50
    int stages = 3;      // 0 .. 15
    qsizetype memoChars = 2000; // the purpose of the work; the other long texts are a tenth of it
    bool blanks = true;         // false: the purpose is one word without a blank
};

// A card whose file is about `bytes` long: full lists for the larger cards, the rest
// in the long texts.
RkCardShape rkShapeForSize(qsizetype bytes);

// The card lines of a generated card, built through the RK model and its fileLines as the
// editor builds them. The same shape always gives the same card.
QStringList generateRkCard(const RkCardShape &shape);
QStringList generateRkCard(qsizetype bytes);

// Text of about `chars` characters: Ukrainian words of varied length with numbers,
// punctuation and now and then a token longer than any printed line, as one paragraph
// (a memo read back from a file has its lines joined by blanks).
QString generatedText(qsizetype chars, unsigned seed);
// The same text with its blanks left out: one word as long as the text, as a pasted
// list of addresses or a scanned table becomes.
QString generatedWord(qsizetype chars, unsigned seed);
