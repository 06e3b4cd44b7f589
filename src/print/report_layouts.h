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

    void createAll();
    bool created() const { return !m_layouts.empty(); }
    // The layout of that name; createAll() must have run.
    PageLayout &layout(const QString &name);

    // How a layout's static content is built; the card and sheet modules register theirs.
    using Builder = std::function<void(PageLayout &)>;
    static void setBuilder(const QString &name, Builder builder);

private:
    std::vector<std::unique_ptr<PageLayout>> m_layouts;
};
