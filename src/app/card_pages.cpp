#include "app/card_pages.h"

#include "fields/card_model.h"
#include "fields/field_captions.h"
#include "fields/page_design.h"
#include "widgets/field_factory.h"
#include "widgets/page_builder.h"

#include <QTabWidget>

namespace cardPages {

void build(const PageDesign &design, FieldBinder &binder, QTabWidget &tabs)
{
    const FieldTable &table = binder.model().table();
    for (int page = 0; page < table.pages().size(); ++page) {
        QWidget *sheet = pageBuilder::build(design, page, binder, &tabs);
        sheet->setObjectName(design.sheetNames.value(page));
        tabs.addTab(sheet, table.pages().at(page));
        tabs.setTabToolTip(page, design.pageHints.value(page));
    }
    const QHash<QString, QString> captions = fieldCaptions::fromDesign(table, design);
    for (auto it = captions.cbegin(); it != captions.cend(); ++it) {
        if (QWidget *w = binder.widget(it.key()))
            w->setAccessibleName(it.value());
    }
}

void chainTabOrder(const PageDesign &design, FieldBinder &binder, QWidget &window)
{
    QWidget *previous = nullptr;
    for (const QString &name : pageBuilder::tabOrder(design, binder)) {
        // Fields by their binder (a lookup), anything else by its name in the window.
        QWidget *w = binder.widget(name);
        if (!w)
            w = window.findChild<QWidget *>(name);
        if (!w)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

QWidget *firstField(const PageDesign &design, FieldBinder &binder, QWidget *page,
                    const std::function<QWidget *(const QString &)> &resolve)
{
    for (const QString &name : pageBuilder::tabOrder(design, binder)) {
        QWidget *w = resolve(name);
        if (w && page && page->isAncestorOf(w) && w->isEnabled() && !w->isHidden())
            return w;
    }
    return nullptr;
}

} // namespace cardPages
