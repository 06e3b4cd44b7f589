// libFuzzer target: the edit-mask engine fed a random mask and random keystrokes.
// The first line of the input is the mask; every following byte pair is a key and
// its argument. Text is decoded as CP1251 so that Cyrillic letters come up often.

#include "fuzz_support.h"

#include "cardfile/cp1251.h"
#include "fields/edit_mask.h"

#include <cstdlib>

using namespace Qt::Literals::StringLiterals;

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// An edit keeps one character per position and the cursor inside the text.
void checkEdit(const EditMask &mask, const EditMask::Edit &edit)
{
    require(edit.text.size() == mask.size());
    require(edit.cursor >= 0 && edit.cursor <= mask.size());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    initFuzzing();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const qsizetype end = bytes.indexOf('\n');
    const QString maskText = cp1251::decode(end < 0 ? bytes : bytes.left(end));
    const QByteArray keys = end < 0 ? QByteArray() : bytes.mid(end + 1);

    const EditMask mask(maskText);
    // No positions: the field has no mask and takes its text as it is.
    if (mask.isEmpty())
        return 0;
    const EditMask other(u"9999999999;1;_"_s);
    // A value keeps every position when the literals are kept; otherwise the blanks
    // at its end (its start with "!") go.
    const auto fitsLength = [&mask](const QString &value) {
        return mask.keepsLiterals() ? value.size() == mask.valueLength() : value.size() <= mask.valueLength();
    };
    require(fitsLength(mask.fit(maskText)));
    require(fitsLength(mask.emptyText()));
    (void)mask.padLiterals(maskText);
    (void)mask.refit(other.emptyText(), other);
    (void)other.refit(mask.emptyText(), mask);

    QString text = mask.editText(mask.emptyText());
    require(text.size() == mask.size());
    int cursor = 0;
    for (qsizetype i = 0; i + 1 < keys.size(); i += 2) {
        const auto op = static_cast<unsigned char>(keys.at(i));
        const auto arg = static_cast<unsigned char>(keys.at(i + 1));
        const QString typed = cp1251::decode(keys.mid(i + 1, 1 + op % 4));
        const int selStart = mask.size() ? arg % (mask.size() + 1) : 0;
        const int selLength = (op >> 4) % 3;
        EditMask::Edit edit;
        switch (op % 8) {
        case 0:
        case 1:
            edit = mask.type(text, cursor, typed.isEmpty() ? QChar() : typed.at(0));
            break;
        case 2:
            edit = mask.typeText(text, selStart, selLength, typed);
            break;
        case 3:
            edit = mask.paste(text, selStart, selLength, typed);
            break;
        case 4:
            edit = mask.backspace(text, selStart, selLength);
            break;
        case 5:
            edit = mask.remove(text, selStart, selLength);
            break;
        case 6:
            edit.text = mask.cleared(text, selStart, selLength);
            edit.cursor = cursor;
            break;
        default:
            // The whole field set from a card file.
            edit.text = mask.editText(mask.fit(typed + mask.valueOf(text)));
            edit.cursor = cursor;
            break;
        }
        checkEdit(mask, edit);
        if (edit.accepted) {
            text = edit.text;
            cursor = edit.cursor;
        }
        const QString value = mask.valueOf(text);
        require(fitsLength(value));
        if (mask.keepsLiterals())
            require(mask.editText(value) == text);
        (void)mask.displayText(text);
        (void)mask.isBlank(value);
    }
    return 0;
}
