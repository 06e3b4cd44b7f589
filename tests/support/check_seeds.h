#pragma once

#include "support/full_cards.h"

#include <QList>
#include <QStringList>

// Full cards of each type with ten faults seeded into their lines, each of another kind
// (a date, a code's length by person kind, a box's code, a registration number, a
// missing English text or city, an amount, an "other" text), in the card's own fields
// and in its list entries or organisation slots: the whole-card check must find exactly
// these, in the window and in `zorvat-card check`.
namespace checkSeeds {

struct Seed
{
    int line;          // of the full card, from 1: replaced by `text`
    const char *text;
    const char *field; // the field the problem is listed under
    int entry;         // its list entry or slot, 0 for the card's own fields
    int reportedLine;  // the line `check` names
};

struct Card
{
    CardType type;
    const char *fileName;
    QList<Seed> seeds;
};

inline const QList<Card> &cards()
{
    static const QList<Card> all = {
        {CardType::RK, "RK_seeded.txt", {
            {3, "5418\\12/34\\32.01.24", "ed5418D", 0, 3},
            {5, "2457\\1\\1234", "ed2457", 0, 5},
            {9, "2655\\\\01001, Київ, вул. Хрещатик, 1", "gorv", 0, 9},
            {15, "2458\\2\\2\\22222\\Одеса\\Петренко Петро\\вул. Морська, 7\\048-2\\p@ukr.net", "ed2458", 2, 15},
            {17, "7713\\тис.грн.\\150.5\\10\\20\\30\\40\\50\\0,5", "sum", 0, 17},
            {19, "7353\\13.24", "ed7353", 0, 19},
            {21, "7146\\99", "ed7146", 0, 21},
            {35, "9027\\3\\", "mm9027", 0, 34},
            {37, "2142\\1\\1\\4444\\Дніпро\\КБ «Південне»\\вул. Криворізька, 3", "cpk", 1, 37},
            {40, "9036\\2\\01.25\\12.29\\55\\Другий етап", "ed9036v", 2, 40},
        }},
        {CardType::OK, "OK_seeded.txt", {
            {1, "5256\\9", "cb5256", 0, 1},
            {2, "5418\\12/34\\01.13.24", "ed5418D", 0, 2},
            {3, "5436\\0124U000777X", "ed5436", 0, 3},
            {8, "2151\\3\\", "mm2151", 0, 7},
            {10, "2655\\\\01001, Київ, вул. Хрещатик, 1", "gorv", 0, 10},
            {16, "2459\\2\\2\\22222\\Одеса\\Петренко Петро\\вул. Морська, 7\\\\\\\\\\Свідоцтво 5\\01.03.24", "ed2459", 2, 16},
            {18, "9036\\2 \\01.24\\12.24\\Я\\Розроблення методів", "cb9036e", 0, 18},
            {24, "7715\\дол.\\10.5", "sum1", 0, 24},
            {31, "5040\\77", "cb5040", 0, 31},
            {38, "2142\\3\\1\\666\\Полтава\\Завод\\вул. Нова, 1", "ed2142k", 3, 38},
        }},
        {CardType::IK, "IK_seeded.txt", {
            {1, "5419\\45.03.24", "ed5419", 0, 1},
            {2, "5436\\0124U000777X", "ed5436", 0, 2},
            {3, "5437\\0224U000123Z", "ed5437", 0, 3},
            {11, "9153\\007\\", "cb9153a", 0, 11},
            {14, "2459\\2\\2\\222\\Одеса\\Петренко Петро\\вул. Морська, 7\\\\\\\\\\Свідоцтво 5\\01.03.24\\Петренко П.П.",
             "ed2459", 2, 14},
            {15, "2459\\3\\1\\33333333\\\\Фонд\\пр. Науки, 9\\057-3\\\\Фонд\\\\\\  .  .  \\", "gorz", 3, 15},
            {16, "7326\\9.9\\", "cb7326", 0, 16},
            {17, "7344\\99", "cb7344", 0, 17},
            {19, "1004\\9.9\\Інша форма", "cb1004", 0, 19},
            {20, "1005\\5.6\\", "ed1005", 0, 20},
        }},
        {CardType::OKD, "OKD_seeded.txt", {
            {5, "5436\\0104U00012345678 0105U000456", "ed5436", 0, 5},
            {3, "5418\\12/34\\01.14.24", "ed5418D", 0, 3},
            {4, "5438\\0124U", "ed5438", 0, 4},
            {7, "6147\\3\\", "ed6147", 0, 6},
            {9, "7425\\xyz", "ed7425", 0, 9},
            {13, "7434\\45.06.24", "ed7434", 0, 13},
            {18, "7443\\99", "cb7443", 0, 18},
            {19, "7344\\99", "cb7344", 0, 19},
            {30, "2430\\1234", "edCod", 2, 30},
            {40, "2484\\2\\123", "edCod", 4, 40},
        }},
    };
    return all;
}

// The card's full lines with its seeds in place.
inline QStringList seededLines(const Card &card)
{
    QStringList lines = fullCards::lines(card.type);
    for (const Seed &seed : card.seeds)
        lines[seed.line - 1] = QString::fromUtf8(seed.text);
    return lines;
}

} // namespace checkSeeds
