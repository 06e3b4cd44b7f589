#include "print/dop_sheets.h"

#include "print/page_layout.h"

using namespace Qt::Literals::StringLiterals;

namespace dopSheets {

namespace {

using Type = PageElement::Type;

const QString kLayoutBase = u"TQRDop"_s;

// Sheet 1: the heading, "Назва роботи" beside the card's title, and the text.
QList<PageElement> firstSheetElements()
{
    return {
        {.type = Type::Label, .name = heading(), .left = 16, .top = 8},
        {.type = Type::Label, .name = titleCaption(), .left = 16, .top = 32, .text = workTitleCaption()},
        {.type = Type::Label, .name = titleCaption2(), .left = 16, .top = 50, .text = u" "_s},
        {.type = Type::Memo, .name = titleMemo(), .left = 108, .top = 30, .width = 601, .height = 55,
         .pixelSize = 15, .bold = true},
        {.type = Type::Memo, .name = textMemo(), .left = 8, .top = 86, .width = 701, .height = 934},
        {.type = Type::Label, .name = number(), .left = 676, .top = 1023, .width = 33, .text = u" "_s},
    };
}

QList<PageElement> laterSheetElements()
{
    return {
        {.type = Type::Memo, .name = textMemo(), .left = 8, .top = 8, .width = 701, .height = 1010},
        {.type = Type::Label, .name = number(), .left = 676, .top = 1021, .width = 34, .pixelSize = 12,
         .text = u" "_s},
    };
}

} // namespace

QString layoutName(int sheet)
{
    return sheet <= 1 ? kLayoutBase : kLayoutBase + QString::number(sheet - 1);
}

int sheetOf(const QString &name)
{
    if (!name.startsWith(kLayoutBase))
        return 0;
    if (name.size() == kLayoutBase.size())
        return 1;
    // "TQRDop1" and on; no leading zero, so each sheet has one name.
    const QStringView digits = QStringView(name).mid(kLayoutBase.size());
    bool ok = false;
    const int n = digits.toInt(&ok);
    return ok && n >= 1 && !digits.startsWith(u'0') && !digits.startsWith(u'+') ? n + 1 : 0;
}

void build(PageLayout &layout)
{
    const int sheet = sheetOf(layout.name());
    if (sheet == 0)
        return;
    layout.elements = sheet == 1 ? firstSheetElements() : laterSheetElements();
}

int firstLine(int sheet)
{
    return sheet <= 1 ? 0 : kFirstSheetLines + (sheet - 2) * kLaterSheetLines;
}

int sheetForLine(int placed)
{
    if (placed < kFirstSheetLines)
        return 1;
    return 2 + (placed - kFirstSheetLines) / kLaterSheetLines;
}

} // namespace dopSheets
