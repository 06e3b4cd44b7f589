// libFuzzer target: the card reader with one card's interpreter per input, on a card
// cleared as an open clears it, and the card lines a save would then write.

#include "fuzz_support.h"

#include "cardfile/card_reader.h"
#include "fields/card_model.h"

#include <QHash>
#include <memory>

using namespace Qt::Literals::StringLiterals;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    initFuzzing();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // One card per type for the whole run: an open clears the card it reads into,
    // so nothing of one input reaches the next.
    static QHash<int, std::shared_ptr<CardModel>> models;
    const QByteArray bytes = fuzzBytes(data, size);
    const CardType type = fuzzCardType(bytes);
    const CardKind &kind = cardKind(type);
    auto &model = models[int(type)];
    if (!model)
        model = kind.createModel();
    kind.clearModel(*model);
    auto interpreter = kind.interpreter(*model);
    readCardBytes(bytes, *interpreter, u"fuzz"_s);
    kind.afterRead(*model);
    // Saving what was read must work on whatever was read.
    (void)kind.fileLines(*model);
    return 0;
}
