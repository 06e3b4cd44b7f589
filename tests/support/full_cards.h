#pragma once

#include "cardfile/card_writer.h"
#include "cards/ok/ok_test_support.h"
#include "cards/okd/okd_test_support.h"
#include "cards/rk/rk_test_support.h"
#include "cardfile/cp1251.h"
#include "support/test_files.h"

using namespace Qt::Literals::StringLiterals;

// A card of each type with a value in every field, as its file holds it.
namespace fullCards {

inline QByteArray bytes(CardType card)
{
    switch (card) {
    case CardType::RK:
        return cardFileBytes(rkTest::fullCard());
    case CardType::OK:
        return cardFileBytes(okTest::fullCard());
    case CardType::OKD:
        return cardFileBytes(okdTest::fullCard());
    case CardType::IK:
        break;
    }
    return readAll(QString::fromUtf8(ZORVAT_TEST_DATA "/ik_full.txt"));
}

// The card's lines, without the end of the last one.
inline QStringList lines(CardType card)
{
    QStringList out = cp1251::decode(bytes(card)).split(u"\r\n"_s);
    while (!out.isEmpty() && out.constLast().isEmpty())
        out.removeLast();
    return out;
}

} // namespace fullCards
