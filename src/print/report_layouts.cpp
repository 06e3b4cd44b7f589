#include "print/report_layouts.h"

#include "print/dop_sheets.h"

#include <QHash>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {
QHash<QString, ReportLayouts::Builder> &builders()
{
    static QHash<QString, ReportLayouts::Builder> b;
    return b;
}
} // namespace

QStringList ReportLayouts::creationOrder()
{
    return {u"TQRRk1"_s,  u"TQRIK1"_s,  u"TQROkd1"_s,
            u"TQROkd2"_s, u"TQROk1"_s,  u"TQROk2"_s,
            u"TQRDop2"_s, u"TQRIK"_s,   u"TQRRk2"_s,
            u"TQRDop"_s,  u"TQRDop9"_s, u"TQRDop3"_s,
            u"TQRDop1"_s, u"TQRDop4"_s, u"TQRDop6"_s,
            u"TQRDop5"_s, u"TQRDop7"_s, u"TQRDop8"_s};
}

void ReportLayouts::build(PageLayout &layout)
{
    if (dopSheets::sheetOf(layout.name()) > 0) {
        dopSheets::build(layout);
        return;
    }
    if (const auto it = builders().constFind(layout.name()); it != builders().constEnd())
        (*it)(layout);
}

PageLayout &ReportLayouts::add(const QString &name)
{
    auto layout = std::make_unique<PageLayout>(name);
    build(*layout);
    PageLayout &added = *layout;
    m_layouts.push_back(std::move(layout));
    m_byName.insert(name, &added);
    if (const int sheet = dopSheets::sheetOf(name); sheet > 0) {
        if (int(m_sheets.size()) < sheet)
            m_sheets.resize(sheet, nullptr);
        m_sheets[sheet - 1] = &added;
        m_sheetCount = int(std::find(m_sheets.begin(), m_sheets.end(), nullptr) - m_sheets.begin());
    }
    return added;
}

void ReportLayouts::createAll()
{
    if (created())
        return;
    for (const QString &name : creationOrder())
        add(name);
}

PageLayout &ReportLayouts::layout(const QString &name)
{
    if (PageLayout *l = m_byName.value(name))
        return *l;
    Q_ASSERT_X(false, "ReportLayouts::layout", qPrintable(name));
    static PageLayout none;
    return none;
}

PageLayout &ReportLayouts::sheet(int number)
{
    createAll();
    Q_ASSERT(number >= 1);
    while (m_sheetCount < number)
        add(dopSheets::layoutName(m_sheetCount + 1));
    return *m_sheets[number - 1];
}

const PageLayout &ReportLayouts::layout(const QString &name) const
{
    return const_cast<ReportLayouts *>(this)->layout(name);
}

void ReportLayouts::setBuilder(const QString &name, Builder builder)
{
    builders().insert(name, std::move(builder));
}
