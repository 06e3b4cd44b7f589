#include "print/page_layout.h"

PageElement *PageLayout::element(const QString &name)
{
    for (PageElement &e : elements) {
        if (e.name == name)
            return &e;
    }
    return nullptr;
}

const PageElement *PageLayout::element(const QString &name) const
{
    return const_cast<PageLayout *>(this)->element(name);
}

PageElement &PageLayout::add(PageElement e)
{
    elements.append(std::move(e));
    return elements.last();
}

PageElement &PageLayout::at(const QString &name)
{
    if (PageElement *e = element(name))
        return *e;
    Q_ASSERT_X(false, "PageLayout::at", qPrintable(m_name + QLatin1Char('.') + name));
    // A release build writes into a detached element rather than crash the print.
    static PageElement none;
    none = PageElement();
    return none;
}

const PageElement &PageLayout::at(const QString &name) const
{
    return const_cast<PageLayout *>(this)->at(name);
}
