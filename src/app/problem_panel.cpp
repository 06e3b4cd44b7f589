#include "app/problem_panel.h"

#include "fields/card_model.h"
#include "fields/card_problems.h"
#include "fields/field_captions.h"
#include "widgets/field_factory.h"

#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

enum Column { Code, Field, Entry, Message };

QString problemsCount(int n)
{
    // Ukrainian counts: 1 проблема, 2-4 проблеми, 5-20 проблем, 21 проблема ...
    const int tens = n % 100;
    const int ones = n % 10;
    const char *word = (tens >= 11 && tens <= 14) || ones == 0 || ones >= 5 ? "проблем"
                       : ones == 1                                         ? "проблему"
                                                                           : "проблеми";
    return u"Знайдено %1 %2. Двічі клацніть рядок або натисніть Enter, щоб перейти до поля."_s
        .arg(n)
        .arg(QString::fromUtf8(word));
}

} // namespace

ProblemPanel::ProblemPanel(QWidget *parent)
    : QDockWidget(u"Перевірка картки"_s, parent), m_recheck(new QTimer(this))
{
    m_recheck->setSingleShot(true);
    m_recheck->setInterval(250);
    connect(m_recheck, &QTimer::timeout, this, [this] {
        if (isVisible())
            emit recheckDue();
    });
    setObjectName(u"dockProblems"_s);
    setFeatures(QDockWidget::DockWidgetClosable);
    auto *body = new QWidget(this);
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 2, 4, 4);
    m_summary = new QLabel(body);
    m_summary->setObjectName(u"lblProblems"_s);
    m_list = new QTreeWidget(body);
    m_list->setObjectName(u"lstProblems"_s);
    m_list->setAccessibleName(u"Проблеми картки"_s);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAlternatingRowColors(true);
    m_list->setHeaderLabels({u"Код"_s, u"Поле"_s, u"Запис"_s,
                             u"Повідомлення"_s});
    m_list->header()->setStretchLastSection(true);
    m_list->setColumnWidth(Code, 60);
    m_list->setColumnWidth(Field, 240);
    m_list->setColumnWidth(Entry, 130);
    layout->addWidget(m_summary);
    layout->addWidget(m_list);
    setWidget(body);
    connect(m_list, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { emit activated(m_list->indexOfTopLevelItem(item)); });
}

void ProblemPanel::setRows(const QList<Row> &rows)
{
    const int current = m_list->currentItem() ? m_list->indexOfTopLevelItem(m_list->currentItem()) : -1;
    m_list->clear();
    const QIcon error = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    QList<QTreeWidgetItem *> items;
    for (const Row &row : rows) {
        auto *item = new QTreeWidgetItem({row.code, row.field, row.entry, row.message});
        item->setIcon(Code, row.warning ? warning : error);
        const QString hint = row.page.isEmpty() ? row.message
                                                : u"Сторінка «%1»\n%2"_s.arg(row.page, row.message);
        for (int column = Code; column <= Message; ++column)
            item->setToolTip(column, hint);
        items << item;
    }
    m_list->addTopLevelItems(items);
    if (!items.isEmpty())
        m_list->setCurrentItem(items.value(qBound(0, current, int(items.size()) - 1)));
    m_summary->setText(summary());
}

int ProblemPanel::rowCount() const
{
    return m_list->topLevelItemCount();
}

QString ProblemPanel::summary() const
{
    const int n = rowCount();
    return n == 0 ? u"Картку перевірено: проблем не знайдено."_s : problemsCount(n);
}

void ProblemPanel::setProblems(const QList<CardProblem> &problems, FieldBinder &binder)
{
    const FieldTable &table = binder.model().table();
    QList<Row> rows;
    for (const CardProblem &p : problems) {
        const FieldInfo *info = table.find(p.field);
        const QWidget *w = binder.widget(p.field);
        QString caption = w ? w->accessibleName() : QString();
        if (caption.isEmpty())
            caption = info ? fieldCaptions::own(*info) : p.field;
        if (info) // the code has its own column
            caption = fieldCaptions::withoutCode(caption, info->code);
        const int page = info ? info->page : -1;
        rows << Row{p.code, caption, p.entryTitle, p.message, table.pages().value(page), !p.blocking};
    }
    setRows(rows);
}

void ProblemPanel::showUnder(QMainWindow &window)
{
    if (isVisible())
        return;
    show();
    window.resizeDocks({this}, {fontMetrics().height() * 9}, Qt::Vertical);
}

void ProblemPanel::recheckSoon()
{
    m_recheck->start();
}
