// libFuzzer target: the card reader with every card's interpreter, on a card
// cleared as an open clears it.

#include "cardfile/card_reader.h"
#include "fields/card_kind.h"
#include "fields/card_model.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    for (CardType type : {CardType::RK, CardType::OK, CardType::IK, CardType::OKD}) {
        const CardKind &kind = cardKind(type);
        auto model = kind.createModel();
        kind.compNil(*model);
        auto interpreter = kind.interpreter(*model);
        readCardBytes(bytes, *interpreter, QStringLiteral("fuzz"));
        kind.afterRead(*model);
        // Saving what was read must work on whatever was read.
        (void)kind.Mtext(*model);
    }
    return 0;
}
