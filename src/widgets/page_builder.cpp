#include "widgets/page_builder.h"

#include "fields/card_model.h"
#include "widgets/field_factory.h"
#include "widgets/mask_edit.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTextDocument>
#include <QVBoxLayout>

#include <cmath>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

// Fields of up to this many characters get the width of their characters; longer ones
// fill the row.
constexpr int kShortField = 30;
// Room between the widgets of a row (a label and its field, two fields), between the
// rows of a frame and around a frame's rows: tight enough that a page fits the window
// it opens in.
constexpr int kRowGap = 6;
constexpr int kLineGap = 4;
constexpr int kFrameMargin = 6;

// The height a text box needs to show `lines` whole lines.
int linesHeight(const QPlainTextEdit *memo, qreal lines)
{
    const qreal line = QFontMetricsF(memo->font()).lineSpacing();
    const int chrome = 2 * memo->frameWidth() + int(std::ceil(2 * memo->document()->documentMargin()));
    return chrome + int(std::ceil(lines * line));
}

// Gives a text box the height of whole lines within the room its row offers, at least
// `minLines`, so that no line shows sliced; what is left of the room stays empty below
// it. Heights are taken when the layout runs, with the box's frame as its style draws it.
class WholeLines : public QLayout
{
public:
    WholeLines(QPlainTextEdit *memo, int minLines) : m_memo(memo), m_minLines(minLines)
    {
        setContentsMargins(0, 0, 0, 0);
        addWidget(memo);
    }
    ~WholeLines() override { delete m_item; }

    void addItem(QLayoutItem *item) override { m_item = item; }
    int count() const override { return m_item ? 1 : 0; }
    QLayoutItem *itemAt(int index) const override { return index == 0 ? m_item : nullptr; }
    QLayoutItem *takeAt(int index) override { return index == 0 ? std::exchange(m_item, nullptr) : nullptr; }
    QSize sizeHint() const override { return m_item ? m_item->sizeHint() : QSize(); }
    QSize minimumSize() const override
    {
        return m_item ? QSize(m_item->minimumSize().width(), linesHeight(m_memo, m_minLines)) : QSize();
    }
    QSize maximumSize() const override { return m_item ? m_item->maximumSize() : QSize(); }
    Qt::Orientations expandingDirections() const override
    {
        return m_item ? m_item->expandingDirections() : Qt::Orientations();
    }

    void setGeometry(const QRect &rect) override
    {
        QLayout::setGeometry(rect);
        if (!m_item)
            return;
        const qreal line = QFontMetricsF(m_memo->font()).lineSpacing();
        const int lines = int((rect.height() - linesHeight(m_memo, 0)) / line);
        const int height = lines > 0 ? qMin(rect.height(), linesHeight(m_memo, lines)) : rect.height();
        m_item->setGeometry(QRect(rect.topLeft(), QSize(rect.width(), height)));
    }

private:
    QPlainTextEdit *m_memo;
    int m_minLines;
    QLayoutItem *m_item = nullptr;
};

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
        if (m_design.boldPages.contains(m_page)) {
            // Before the fields are made: a font changed afterwards lays out every list again.
            QFont bold = scroll->font();
            bold.setBold(true);
            scroll->setFont(bold);
        }
        auto *content = new QWidget(scroll);
        content->setObjectName(u"page%1"_s.arg(m_page));
        auto *column = new QVBoxLayout(content);
        column->setContentsMargins(kFrameMargin, kFrameMargin, kFrameMargin, kFrameMargin);
        column->setSpacing(kFrameMargin);
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

    // A text box in its row: three lines at least where it has its scroll bar, else two.
    WholeLines *wholeLines(QPlainTextEdit *memo, const QString &name) const
    {
        const FieldInfo *s = info(name);
        return new WholeLines(memo, s && s->vScroll ? 3 : 2);
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
        grid->setVerticalSpacing(kLineGap);
        grid->setContentsMargins(kFrameMargin + 3, kFrameMargin, kFrameMargin + 3, kFrameMargin);
        if (block.grid)
            fillTable(block, box, grid);
        else
            fillForm(block, box, grid);
        if (block.boldHeading) {
            // The frame's font is its title's; what the frame holds keeps the plain weight.
            for (QWidget *child : box->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                QFont plain = child->font();
                plain.setWeight(QFont::Normal);
                child->setFont(plain);
            }
            QFont bold = box->font();
            bold.setBold(true);
            box->setFont(bold);
        }
        return box;
    }

    void fillForm(const PageBlock &block, QWidget *box, QGridLayout *grid)
    {
        int row = 0;
        for (const QStringList &cells : block.rows) {
            auto *line = new QHBoxLayout;
            line->setSpacing(kRowGap);
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
                if (auto *memo = qobject_cast<QPlainTextEdit *>(w))
                    line->addLayout(wholeLines(memo, cell), 1);
                else
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

    // The same for every frame of the page, so measured once; the widths of the label
    // texts are kept for the next editor (measuring text was a tenth of opening one).
    int labelColumnWidth(QWidget *box)
    {
        if (m_labelColumn >= 0)
            return m_labelColumn;
        static QHash<QString, int> widths; // by font and text
        const QString font = box->font().key() + QChar(0);
        const auto width = [&](const QString &line) {
            auto it = widths.constFind(font + line);
            if (it == widths.constEnd())
                it = widths.insert(font + line, box->fontMetrics().horizontalAdvance(line));
            return *it;
        };
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
                        widest = qMax(widest, width(line));
                }
            }
        }
        m_labelColumn = widest + 4;
        return m_labelColumn;
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
                    // A caption over its column keeps to the foot of its cell; a label
                    // beside its field in the row (a row number) stands level with it.
                    const bool beside = cells.contains(cell.mid(1));
                    grid->addWidget(label(cell.mid(1), box), row, col,
                                    beside ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignBottom);
                } else if (cell.startsWith(QLatin1Char('#'))) {
                    auto *title = new QLabel(heading(cell.mid(1)), box);
                    grid->addWidget(title, row, col, 1, -1, Qt::AlignHCenter | Qt::AlignBottom);
                } else if (QWidget *w = field(cell, box); auto *memo = qobject_cast<QPlainTextEdit *>(w)) {
                    grid->addLayout(wholeLines(memo, cell), row, col);
                } else {
                    grid->addWidget(w, row, col);
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
    int m_labelColumn = -1;
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
    for (const auto &[field, after] : design.enteredAfter) {
        if (order.removeOne(field))
            order.insert(order.indexOf(after) + 1, field);
    }
    for (const PageButton &b : design.buttons)
        order.insert(order.indexOf(b.after) + 1, b.name);
    return order;
}

} // namespace pageBuilder
