#pragma once

#include "cards/ik/ik_model.h"
#include "support/card_steps.h"

using namespace Qt::Literals::StringLiterals;

// Shared steps of the IK tests: a card as "Новий" and "Відкрити..." leave it.
namespace ikTest {

inline const cardSteps::Steps<IkModel> card{CardType::IK};

// A card with every field: three owners (one a natural person), three subject codes,
// an "other" stage and product kind; in the card's own order.
inline QStringList fullCard()
{
    return cardSteps::fixtureLines(u"ik_full.txt"_s);
}

using cardSteps::linesOf;

// A row of a data table: its name, the lines opened, then what is looked at and
// what it should be.
template <class Seen, class Expected>
struct OpenRow
{
    const char *name;
    QStringList input;
    Seen seen;
    Expected expected;
};

template <class Seen, class Expected, std::size_t N>
void addOpenRows(const OpenRow<Seen, Expected> (&rows)[N], const char *seenName, const char *expectedName)
{
    QTest::addColumn<QStringList>("input");
    QTest::addColumn<Seen>(seenName);
    QTest::addColumn<Expected>(expectedName);
    for (const auto &row : rows)
        QTest::newRow(row.name) << row.input << row.seen << row.expected;
}

} // namespace ikTest
