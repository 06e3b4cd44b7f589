#pragma once

#include <QList>
#include <QString>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

class CardModel;
class PageLayout;
class PrintJob;
struct PageElement;

// A text the card keeps a fixed number of lines of; the rest goes to the sheets.
struct LongText
{
    int page; // 1 or 2
    QString memo;
    QString marker;  // shows "(див. продовження)" when the text is cut
    int cardLines;
    QString heading; // opens the block on the continuation sheets
};

// The pages of one card's print as its "Друк" fills them: values into elements and
// long texts cut into the lines the page keeps, their overflow handed to the job's
// continuation sheets.
class CardPrintout
{
public:
    CardPrintout(PrintJob &job, const QList<PageLayout *> &pages);

    PrintJob &job() { return m_job; }
    PageLayout &page(int n) { return *m_pages.at(n - 1); }
    QList<const PageLayout *> pages() const;

    // A label takes the value as its text; a memo breaks it at its own width below the
    // lines it holds, as many lines as it shows.
    void set(int page, const QString &element, const QString &value);
    static void append(PageElement &memo, const QString &value);
    // `value` as the one value line of `memo`, below its blank line: in `size` when it
    // fits the memo's width, otherwise in the largest smaller size down to `smallest`
    // that does, standing on the baseline it has in `size`. A row of codes too wide for
    // its box then keeps every code on the paper.
    static void setOneLine(PageElement &memo, const QString &value, int size, int smallest);
    // Each memo of `memos` emptied to one blank line, each label of `blanks` a blank.
    static void reset(PageLayout &layout, const QStringList &memos, const QStringList &blanks);

    // A text broken as the hidden wrap text breaks it (the continuation text's width,
    // Arial 13), up to its first empty line: an empty line ends the text. With
    // `maxLines` at 0 or more, only that many lines are made.
    static QStringList cutLines(const QString &text, int maxLines = -1);
    // The first `cardLines` lines of `text` below the memo's lines; with more, the marker
    // shows "(див. продовження)" and all the others follow the heading on the sheets.
    void placeLong(const LongText &t, const QString &text);

    // A two-language text as the paragraphs "1. " Ukrainian and "3. " English, without
    // the empty lines typed into either: the wrap text ends at an empty line, so one at
    // the end of the Ukrainian text would keep the English one off the paper.
    static QString twoLanguages(const QString &ukrainian, const QString &english);

    static QString blank() { return u" "_s; }
    static QString continued() { return u"(див. продовження)"_s; }
    // `value`, or a blank when it is `blankForm`, the text of the untouched field.
    static QString unlessBlank(const QString &value, const QString &blankForm);
    // The subject codes of the code fields `fields` of `model`, joined by `separator`;
    // an untouched code field ("  .  .  .  ") gives an empty piece, so the others keep
    // their places.
    static QString rubricCodes(const CardModel &model, const QStringList &fields, const QString &separator);
    // A financing amount: alone in thousands of hryvnias, otherwise followed by its
    // unit; a blank without an amount.
    static QString amount(const QString &sum, const QString &unit);

private:
    PrintJob &m_job;
    QList<PageLayout *> m_pages;
};
