#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

using namespace Qt::Literals::StringLiterals;

// How a card's tab pages are arranged, as data beside its field table; the page
// builder (widget side) lays the pages out from it.
//
// A block is a framed group of a page. Form rows put the first field's label in the
// left column and the row's fields (later ones with their labels) beside it; "!" marks
// a button. Grid rows are a table: a field, "@field" its label, "#field" the heading
// above that field spanning the rest of the row, "" an empty cell; the columns from
// `stretchFrom` on share the width.
struct PageBlock
{
    QString heading; // the field whose heading titles the frame; "" for none
    bool grid = false;
    QList<QStringList> rows;
    int stretchFrom = 0;
    bool boldHeading = false; // the frame's title in bold, its fields and labels plain
};

// A button of a page (list "next"/"previous"), with the field after which it comes
// in the tab order.
struct PageButton
{
    QString name;
    QString text;
    QString after;
};

struct PageDesign
{
    QList<QList<PageBlock>> pages;
    QStringList sheetNames; // component names of the tab pages
    QStringList pageHints;  // tooltip of each tab, "" for none
    QList<PageButton> buttons;
    // The heading text standing above a field (frame titles, table headings).
    std::function<QString(const QString &field)> headingAbove;
    // The component name of a label whose text follows the card's state ("" for a
    // plain label named "lbl" + field).
    std::function<QString(const QString &field)> stateLabel;
    // Fields entered elsewhere than where their page shows them: each field comes in
    // the tab order right after the field named beside it.
    QList<std::pair<QString, QString>> enteredAfter;
    // Pages whose every text is set in bold.
    QList<int> boldPages;
};

// A design from its blocks and buttons; the pages are named "TabSheet1", "TabSheet2", ...
// and take their hints from `pageHint`.
inline PageDesign pageDesignOf(QList<QList<PageBlock>> pages, QList<PageButton> buttons,
                               const std::function<QString(int page)> &pageHint,
                               std::function<QString(const QString &field)> headingAbove,
                               std::function<QString(const QString &field)> stateLabel)
{
    PageDesign design;
    design.pages = std::move(pages);
    for (int page = 0; page < design.pages.size(); ++page) {
        design.sheetNames << u"TabSheet%1"_s.arg(page + 1);
        design.pageHints << pageHint(page);
    }
    design.buttons = std::move(buttons);
    design.headingAbove = std::move(headingAbove);
    design.stateLabel = std::move(stateLabel);
    return design;
}
