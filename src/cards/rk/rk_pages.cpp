#include "cards/rk/rk_pages.h"

#include "cards/rk/rk_fields.h"
#include "fields/card_model.h"
#include "fields/field_factory.h"
#include "fields/mask_edit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

// A framed group of a page. Form rows put the first field's label in the left column
// and the row's fields (later ones with their labels) beside it; "!" marks a list
// button. Grid rows are a table: a field, "@field" its label, "#field" the heading
// above that field spanning the rest of the row, "" an empty cell.
struct Block
{
    QString heading; // the field whose heading titles the frame; "" for none
    bool grid = false;
    QList<QStringList> rows;
};

const QList<Block> &blocks(int page)
{
    static const QList<Block> pages[6] = {
        {
            {{}, false, {{u"ed5256"_s}, {u"ed5517"_s}, {u"ed5418N"_s, u"ed5418D"_s}, {u"ed7146"_s},
                         {u"ed7021"_s}, {u"ed7210"_s}, {u"ed7700"_s}}},
            {u"cb7201"_s, false, {{u"cb7201"_s}, {u"ed7201a"_s}, {u"ed7023"_s}, {u"ed7022"_s}}},
            {{}, false, {{u"ed5436"_s}, {u"ed7209"_s}}},
        },
        {
            {u"lizv"_s, false, {{u"lizv"_s}, {u"ed2457"_s, u"gorv"_s}, {u"Indjz"_s}, {u"mm2151"_s},
                                {u"ed2358"_s}, {u"mm2655"_s}, {u"ed2934"_s}, {u"ed2394"_s}, {u"ed1332"_s},
                                {u"cb1133"_s}}},
        },
        {
            {u"Edit1"_s, false, {{u"Edit1"_s, u"lizz"_s}, {u"ed2458"_s, u"gorz"_s}, {u"mm2152"_s},
                                 {u"mm2656"_s}, {u"ed2935"_s}, {u"ed2395"_s}, {u"!BitBtn6"_s, u"!BitBtn7"_s}}},
            {u"fin"_s, true, {{u"@fin"_s, u"@ed"_s, u"@sum"_s, u"#edgod1"_s},
                              {{}, {}, {}, u"edgod1"_s, u"edgod2"_s, u"edgod3"_s, u"edgod4"_s, u"edgod5"_s, u"edgod6"_s},
                              {u"fin"_s, u"ed"_s, u"sum"_s, u"sumg1"_s, u"sumg2"_s, u"sumg3"_s, u"sumg4"_s,
                               u"sumg5"_s, u"sumg6"_s},
                              {u"fin1"_s, u"ed1"_s, u"sum1"_s, u"sumg1a"_s, u"sumg2a"_s, u"sumg3a"_s, u"sumg4a"_s,
                               u"sumg5a"_s, u"sumg6a"_s}}},
            {u"ed7353"_s, false, {{u"ed7353"_s, u"ed7362"_s}}},
        },
        {
            {u"lizsv"_s, false, {{u"cpn"_s, u"lizsv"_s}, {u"cpk"_s, u"gorc"_s}, {u"cpi"_s}, {u"cpa"_s},
                                 {u"!Button2"_s, u"!Button1"_s}}},
            {u"ed9036n"_s, false, {{u"ed9036n"_s}, {u"ed9036p"_s, u"ed9036z"_s}, {u"ed9036v"_s}, {u"mm9036"_s},
                                   {u"!BitBtn5"_s, u"!BitBtn4"_s}}},
        },
        {
            {{}, false, {{u"Indjzr"_s}, {u"mm9027"_s}, {u"mm9126"_s}, {u"cb7199"_s}, {u"ed7191"_s}, {u"cb9153"_s},
                         {u"cb9153a"_s}, {u"mm9155"_s}, {u"mm9156"_s}}},
        },
        {
            {{}, false, {{u"ed5634"_s}, {u"ed56161"_s, u"ed56162"_s, u"ed56163"_s},
                         {u"ed56164"_s, u"ed56165"_s, u"ed56166"_s}}},
            {{}, false, {{u"ed6111"_s}, {u"ed6210"_s}}},
            {{}, false, {{u"indjzk"_s}, {u"ed6120"_s}, {u"ed6228"_s}}},
            {{}, false, {{u"ed6141"_s}, {u"ed6140"_s}}},
        },
    };
    return pages[page];
}

QString headingAbove(const QString &field)
{
    for (const RkHeading &h : rkHeadings()) {
        if (h.above == field)
            return h.text;
    }
    return {};
}

class PageBuilder
{
public:
    PageBuilder(FieldBinder &binder, int page) : m_binder(binder), m_page(page) {}

    QWidget *build(QWidget *parent)
    {
        auto *scroll = new QScrollArea(parent);
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        auto *content = new QWidget(scroll);
        content->setObjectName(u"page%1"_s.arg(m_page));
        auto *column = new QVBoxLayout(content);
        for (const Block &block : blocks(m_page))
            column->addWidget(buildBlock(block, content));
        column->addStretch(1);
        scroll->setWidget(content);
        return scroll;
    }

private:
    const FieldSpec *info(const QString &name) const { return m_binder.model().table().find(name); }

    // Fields of a few characters get the width of their characters, so that a code of
    // two digits does not look like a place for a paragraph; the others fill the row.
    QWidget *field(const QString &name, QWidget *parent)
    {
        const FieldSpec *s = info(name);
        QWidget *w = m_binder.create(*s, parent);
        const int digit = w->fontMetrics().horizontalAdvance(QLatin1Char('0'));
        int chars = 0;
        if (auto *memo = qobject_cast<QPlainTextEdit *>(w)) {
            memo->setFixedHeight(memo->fontMetrics().lineSpacing() * (s->vScroll ? 3 : 2) + 14);
        } else if (qobject_cast<MaskEdit *>(w)) {
            chars = int(s->maxLength) + 3;
        } else if (qobject_cast<QLineEdit *>(w) && (s->maxLength > 0 || s->defaultValue == u"1"_s)) {
            chars = qMax(s->maxLength, 3) + 3; // the list numbers
        } else if (qobject_cast<QComboBox *>(w)) {
            qsizetype longest = 0;
            for (const QString &item : s->items)
                longest = qMax(longest, item.size());
            if (longest > 0 && longest <= 16)
                chars = int(longest) + 6;
        }
        if (chars > 0)
            w->setFixedWidth(digit * chars + (qobject_cast<QComboBox *>(w) ? 24 : 8));
        w->setProperty("rkFixedWidth", chars > 0);
        return w;
    }

    QLabel *label(const QString &name, QWidget *parent)
    {
        const FieldSpec *s = info(name);
        if (!s || s->label.isEmpty())
            return nullptr;
        auto *l = new QLabel(s->label, parent);
        const QString stateName = rkLabelName(name);
        l->setObjectName(stateName.isEmpty() ? u"lbl"_s + name : stateName);
        l->setBuddy(m_binder.widget(name));
        if (!stateName.isEmpty())
            m_binder.bindLabel(stateName, l);
        return l;
    }

    QWidget *button(const QString &name, QWidget *parent)
    {
        for (const rkPages::Button &b : rkPages::buttons()) {
            if (b.name == name) {
                auto *button = new QPushButton(b.text, parent);
                button->setObjectName(name);
                return button;
            }
        }
        return nullptr;
    }

    QGroupBox *buildBlock(const Block &block, QWidget *parent)
    {
        auto *box = new QGroupBox(block.heading.isEmpty() ? QString() : headingAbove(block.heading), parent);
        auto *grid = new QGridLayout(box);
        grid->setHorizontalSpacing(10);
        if (block.grid)
            fillTable(block, box, grid);
        else
            fillForm(block, box, grid);
        return box;
    }

    void fillForm(const Block &block, QWidget *box, QGridLayout *grid)
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
                const bool stretches = !w->property("rkFixedWidth").toBool();
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
        for (const Block &block : blocks(m_page)) {
            if (block.grid)
                continue;
            for (const QStringList &cells : block.rows) {
                const FieldSpec *s = info(cells.first());
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

    void fillTable(const Block &block, QWidget *box, QGridLayout *grid)
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
                    auto *heading = new QLabel(headingAbove(cell.mid(1)), box);
                    grid->addWidget(heading, row, col, 1, -1, Qt::AlignHCenter | Qt::AlignBottom);
                } else {
                    grid->addWidget(field(cell, box), row, col);
                }
            }
        }
        for (int col = 3; col < 9; ++col)
            grid->setColumnStretch(col, 1);
    }

    FieldBinder &m_binder;
    int m_page;
};

} // namespace

namespace rkPages {

QWidget *build(int page, FieldBinder &binder, QWidget *parent)
{
    return PageBuilder(binder, page).build(parent);
}

const QList<Button> &buttons()
{
    static const QList<Button> list = {
        {u"BitBtn7"_s, u"Наступний замовник"_s, u"ed2395"_s},
        {u"BitBtn6"_s, u"Попередній замовник "_s, u"BitBtn7"_s},
        {u"Button1"_s, u"Наступний спів-ць"_s, u"cpa"_s},
        {u"Button2"_s, u"Попередній спів-ць"_s, u"Button1"_s},
        {u"BitBtn4"_s, u"Наступний етап"_s, u"mm9036"_s},
        {u"BitBtn5"_s, u"Попередній етап"_s, u"BitBtn4"_s},
    };
    return list;
}

} // namespace rkPages
