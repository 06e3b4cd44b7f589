#pragma once

#include "print/page_layout.h"

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

    // How a card page's static content is built. The continuation sheets are built by
    // print/ itself; a card module registers its pages before createAll() runs. A
    // builder registered later rebuilds its layout in the application's layouts at once.
    using Builder = std::function<void(PageLayout &)>;
    static void setBuilder(const QString &name, Builder builder);

private:
    static void build(PageLayout &layout);

    std::vector<std::unique_ptr<PageLayout>> m_layouts;
};
