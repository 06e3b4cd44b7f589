#pragma once

#include "print/page_layout.h"

#include <QHash>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

// The application-wide print layouts: created once at start, in a fixed order, and
// overwritten by every print.
class ReportLayouts
{
public:
    static ReportLayouts &instance();

    // Names of the layouts in the order they are created at start.
    static QStringList creationOrder();

    // Creates every layout with its static content; a second call changes nothing.
    void createAll();
    bool created() const { return !m_layouts.empty(); }
    // The layout of that name; createAll() must have run.
    PageLayout &layout(const QString &name);
    const PageLayout &layout(const QString &name) const;

    // Continuation sheet `number` (1 for `TQRDop`). A print needs as many sheets as its
    // texts fill: those beyond the ten made at start are made the first time one is
    // needed and kept, like the others, for the whole run.
    PageLayout &sheet(int number);
    // How many continuation sheets exist now: 10 from the start, more after a long print.
    int sheetCount() const { return m_sheetCount; }

    // How a card page's static content is built. The continuation sheets are built by
    // print/ itself; a card module registers its pages before createAll() runs. A
    // builder registered later rebuilds its layout in the application's layouts at once.
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
