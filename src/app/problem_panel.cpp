#include "app/problem_panel.h"

#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

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
    return QStringLiteral("Знайдено %1 %2. Двічі клацніть рядок або натисніть Enter, щоб перейти до поля.")
        .arg(n)
        .arg(QString::fromUtf8(word));
}

} // namespace

ProblemPanel::ProblemPanel(QWidget *parent) : QDockWidget(QStringLiteral("Перевірка картки"), parent)
{
    setObjectName(QStringLiteral("dockProblems"));
    setFeatures(QDockWidget::DockWidgetClosable);
    auto *body = new QWidget(this);
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 2, 4, 4);
    m_summary = new QLabel(body);
    m_summary->setObjectName(QStringLiteral("lblProblems"));
    m_list = new QTreeWidget(body);
    m_list->setObjectName(QStringLiteral("lstProblems"));
    m_list->setAccessibleName(QStringLiteral("Проблеми картки"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAlternatingRowColors(true);
    m_list->setHeaderLabels({QStringLiteral("Код"), QStringLiteral("Поле"), QStringLiteral("Запис"),
                             QStringLiteral("Повідомлення")});
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
                                                : QStringLiteral("Сторінка «%1»\n%2").arg(row.page, row.message);
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
    return n == 0 ? QStringLiteral("Картку перевірено: проблем не знайдено.") : problemsCount(n);
}
