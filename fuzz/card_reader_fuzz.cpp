// libFuzzer target: the card reader with every card's interpreter, on a card cleared
// as an open clears it, and the card lines a save would then write.

#include "fuzz_support.h"

#include "cardfile/card_reader.h"
#include "fields/card_model.h"

#include <array>
#include <memory>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    initFuzzing();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // One card per type for the whole run: an open clears the card it reads into,
    // so nothing of one input reaches the next.
    static std::array<std::unique_ptr<CardModel>, std::size(kFuzzCardTypes)> models;
    const QByteArray bytes = fuzzBytes(data, size);
    for (size_t i = 0; i < std::size(kFuzzCardTypes); ++i) {
        const CardKind &kind = cardKind(kFuzzCardTypes[i]);
        if (!models[i])
            models[i] = kind.createModel();
        CardModel &model = *models[i];
        kind.compNil(model);
        auto interpreter = kind.interpreter(model);
        readCardBytes(bytes, *interpreter, QStringLiteral("fuzz"));
        kind.afterRead(model);
        // Saving what was read must work on whatever was read.
        (void)kind.Mtext(model);
    }
    return 0;
}
