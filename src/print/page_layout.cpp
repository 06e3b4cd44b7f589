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
