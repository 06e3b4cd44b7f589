#include "fields/page_builder.h"

#include "fields/card_model.h"
#include "fields/field_factory.h"
#include "fields/mask_edit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

// Fields of up to this many characters get the width of their characters; longer ones
// fill the row.
constexpr int kShortField = 30;

class PageBuilder
{
public:
    PageBuilder(const PageDesign &design, FieldBinder &binder, int page)
        : m_design(design), m_binder(binder), m_page(page)
    {
    }

    QWidget *build(QWidget *parent)
    {
        auto *scroll = new QScrollArea(parent);
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setFocusPolicy(Qt::NoFocus); // Tab goes from field to field, never to the page itself
        auto *content = new QWidget(scroll);
        content->setObjectName(u"page%1"_s.arg(m_page));
        auto *column = new QVBoxLayout(content);
        // Memos take the height the page leaves free; a page without one keeps its
        // frames at the top.
        bool memos = false;
        for (const PageBlock &block : m_design.pages.at(m_page)) {
            QGroupBox *box = buildBlock(block, content);
            const bool grows = !box->findChildren<QPlainTextEdit *>().isEmpty();
            column->addWidget(box, grows ? 1 : 0);
            memos = memos || grows;
        }
        if (!memos)
            column->addStretch(1);
        scroll->setWidget(content);
        return scroll;
    }

private:
    const FieldInfo *info(const QString &name) const { return m_binder.model().table().find(name); }

    // Fields of a few characters get the width of their characters, so that a code of
    // two digits does not look like a place for a paragraph; the others fill the row.
    QWidget *field(const QString &name, QWidget *parent)
    {
        const FieldInfo *s = info(name);
        QWidget *w = m_binder.create(*s, parent);
        const int digit = w->fontMetrics().horizontalAdvance(QLatin1Char('0'));
        int chars = 0;
        if (auto *memo = qobject_cast<QPlainTextEdit *>(w)) {
            memo->setMinimumHeight(memo->fontMetrics().lineSpacing() * (s->vScroll ? 3 : 2) + 14);
            memo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        } else if (qobject_cast<MaskEdit *>(w) && !s->mask.isEmpty()) {
            chars = int(s->maxLength) + 3;
        } else if (qobject_cast<QLineEdit *>(w) && s->maxLength > 0 && s->maxLength <= kShortField) {
            chars = qMax(s->maxLength, 3) + 3;
        } else if (qobject_cast<QLineEdit *>(w) && s->maxLength == 0 && s->defaultValue == u"1"_s) {
            chars = 6; // the list numbers
        } else if (qobject_cast<QComboBox *>(w)) {
            qsizetype longest = 0;
            for (const QString &item : s->items)
                longest = qMax(longest, item.size());
            if (longest > 0 && longest <= 16)
                chars = int(longest) + 6;
        }
        if (chars > 0)
            w->setFixedWidth(digit * chars + (qobject_cast<QComboBox *>(w) ? 24 : 8));
        w->setProperty("fixedWidth", chars > 0);
        return w;
    }

    QLabel *label(const QString &name, QWidget *parent)
    {
        const FieldInfo *s = info(name);
        // A check box carries its caption itself.
        if (!s || s->label.isEmpty() || s->kind == FieldKind::Check)
            return nullptr;
        auto *l = new QLabel(s->label, parent);
        const QString stateName = m_design.stateLabel ? m_design.stateLabel(name) : QString();
        l->setObjectName(stateName.isEmpty() ? u"lbl"_s + name : stateName);
        l->setBuddy(m_binder.widget(name));
        if (!stateName.isEmpty())
            m_binder.bindLabel(stateName, l);
        return l;
    }

    QWidget *button(const QString &name, QWidget *parent)
    {
        for (const PageButton &b : m_design.buttons) {
            if (b.name == name) {
                auto *button = new QPushButton(b.text, parent);
                button->setObjectName(name);
                return button;
            }
        }
        return nullptr;
    }

    QGroupBox *buildBlock(const PageBlock &block, QWidget *parent)
    {
        auto *box = new QGroupBox(block.heading.isEmpty() ? QString() : heading(block.heading), parent);
        auto *grid = new QGridLayout(box);
        grid->setHorizontalSpacing(10);
        if (block.grid)
            fillTable(block, box, grid);
        else
            fillForm(block, box, grid);
        return box;
    }

    void fillForm(const PageBlock &block, QWidget *box, QGridLayout *grid)
    {
        int row = 0;
        for (const QStringList &cells : block.rows) {
            auto *line = new QHBoxLayout;
            bool anyStretch = false;
            for (qsizetype i = 0; i < cells.size(); ++i) {
                const QString &cell = cells.at(i);
                if (cell.startsWith(QLatin1Char('!'))) {
                    line->addWidget(button(cell.mid(1), box));
                    continue;
                }
                QWidget *w = field(cell, box);
                QLabel *l = label(cell, box);
                if (l && i == 0 && isLong(l->text())) {
                    // A sentence of a label stands above its field, across the frame.
                    grid->addWidget(l, row++, 0, 1, 2);
                } else if (l && i == 0) {
                    grid->addWidget(l, row, 0, Qt::AlignLeft | Qt::AlignVCenter);
                } else if (l) {
                    line->addSpacing(12);
                    line->addWidget(l);
                }
                const bool stretches = !w->property("fixedWidth").toBool();
                line->addWidget(w, stretches ? 1 : 0);
                anyStretch = anyStretch || stretches;
            }
            if (!anyStretch)
                line->addStretch(1);
            grid->addLayout(line, row, 1);
            ++row;
        }
        grid->setColumnStretch(1, 1);
        // One label column for the whole page, so the fields of all frames line up.
        grid->setColumnMinimumWidth(0, labelColumnWidth(box));
    }

    static bool isLong(const QString &label)
    {
        qsizetype longest = 0;
        for (const QString &line : label.split(QLatin1Char('\n')))
            longest = qMax(longest, line.size());
        return longest > 48;
    }

    int labelColumnWidth(QWidget *box) const
    {
        int widest = 0;
        for (const PageBlock &block : m_design.pages.at(m_page)) {
            if (block.grid)
                continue;
            for (const QStringList &cells : block.rows) {
                const FieldInfo *s = info(cells.first());
                if (!s)
                    continue;
                for (const QString &line : s->label.split(QLatin1Char('\n'))) {
                    if (!isLong(line))
                        widest = qMax(widest, box->fontMetrics().horizontalAdvance(line));
                }
            }
        }
        return widest + 4;
    }

    void fillTable(const PageBlock &block, QWidget *box, QGridLayout *grid)
    {
        for (int row = 0; row < block.rows.size(); ++row) {
            const QStringList &cells = block.rows.at(row);
            for (int col = 0; col < cells.size(); ++col) {
                const QString &cell = cells.at(col);
                if (cell.isEmpty())
                    continue;
                if (cell.startsWith(QLatin1Char('@'))) {
                    grid->addWidget(label(cell.mid(1), box), row, col, Qt::AlignBottom);
                } else if (cell.startsWith(QLatin1Char('#'))) {
                    auto *title = new QLabel(heading(cell.mid(1)), box);
                    grid->addWidget(title, row, col, 1, -1, Qt::AlignHCenter | Qt::AlignBottom);
                } else {
                    grid->addWidget(field(cell, box), row, col);
                }
            }
        }
        if (block.stretchFrom > 0) {
            for (int col = block.stretchFrom; col < grid->columnCount(); ++col)
                grid->setColumnStretch(col, 1);
        }
    }

    QString heading(const QString &field) const
    {
        return m_design.headingAbove ? m_design.headingAbove(field) : QString();
    }

    const PageDesign &m_design;
    FieldBinder &m_binder;
    int m_page;
};

} // namespace

namespace pageBuilder {

QWidget *build(const PageDesign &design, int page, FieldBinder &binder, QWidget *parent)
{
    return PageBuilder(design, binder, page).build(parent);
}

QStringList tabOrder(const PageDesign &design, const FieldBinder &binder)
{
    QStringList order = binder.names();
    for (const PageButton &b : design.buttons)
        order.insert(order.indexOf(b.after) + 1, b.name);
    return order;
}

} // namespace pageBuilder
