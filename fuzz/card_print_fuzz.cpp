// libFuzzer target: the printed pages of a card read from the fuzzed bytes: the page
// layouts filled, long texts wrapped and sent to continuation sheets, and every page
// painted. Run with a small -max_len: the text wrap is the slow part.

#include "fuzz_support.h"

#include "cardfile/card_reader.h"
#include "fields/card_document.h"
#include "fields/card_model.h"
#include "print/page_renderer.h"
#include "print/print_job.h"

#include <QPainter>
#include <QPicture>

using namespace Qt::Literals::StringLiterals;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    initFuzzing();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const CardKind &kind = cardKind(fuzzCardType(bytes));
    CardDocument document(kind);
    kind.clearModel(document.model());
    auto interpreter = kind.interpreter(document.model());
    readCardBytes(bytes, *interpreter, u"fuzz"_s);
    kind.afterRead(document.model());
    PrintJob job(document);
    if (!kind.print(document.model(), job))
        return 0;
    if (document.continuationEnabled())
        job.printContinuation();
    for (const auto &preview : takePreviews()) {
        for (const PageLayout *layout : preview) {
            // Recorded, not rasterised: the renderer's own work is what is fuzzed.
            QPicture page;
            QPainter painter(&page);
            paintPage(painter, *layout, QRectF(0, 0, 794, 1123));
        }
    }
    return 0;
}
