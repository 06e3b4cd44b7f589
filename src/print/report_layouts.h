#pragma once

#include "print/page_layout.h"

#include <QHash>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

// The print layouts of one print job: every card page and continuation sheet, made in
// a fixed order with their static content, then filled by that print alone.
class ReportLayouts
{
public:
    // Names of the layouts in the order they are made.
    static QStringList creationOrder();

    // Creates every layout with its static content; a second call changes nothing.
    void createAll();
    bool created() const { return !m_layouts.empty(); }
    // The layout of that name; createAll() must have run.
    PageLayout &layout(const QString &name);
    const PageLayout &layout(const QString &name) const;

    // Continuation sheet `number` (1 for `TQRDop`). A print needs as many sheets as its
    // texts fill: those beyond the ten made with the others are made when needed.
    PageLayout &sheet(int number);
    // How many continuation sheets exist now: 10 from the start, more after a long print.
    int sheetCount() const { return m_sheetCount; }

    // How a card page's static content is built. The continuation sheets are built by
    // print/ itself; a card module registers its pages when its kind is made, before any
    // print.
    using Builder = std::function<void(PageLayout &)>;
    static void setBuilder(const QString &name, Builder builder);

private:
    static void build(PageLayout &layout);

    PageLayout &add(const QString &name);

    std::vector<std::unique_ptr<PageLayout>> m_layouts;
    QHash<QString, PageLayout *> m_byName;
    std::vector<PageLayout *> m_sheets; // continuation sheet n at n - 1
    int m_sheetCount = 0;
};
