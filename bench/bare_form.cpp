#include "bare_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

// A line edit inside a box or a spin box is a part of it, not a field.
bool partOfAnother(const QWidget *w)
{
    return qobject_cast<const QComboBox *>(w->parentWidget()) || qobject_cast<const QSpinBox *>(w->parentWidget());
}

} // namespace

FormShape shapeOf(const QTabWidget &pages)
{
    FormShape shape;
    for (int i = 0; i < pages.count(); ++i) {
        PageShape page;
        for (QWidget *w : pages.widget(i)->findChildren<QWidget *>()) {
            if (qobject_cast<QGroupBox *>(w))
                ++page.groups;
            else if (qobject_cast<QLabel *>(w))
                ++page.labels;
            else if (qobject_cast<QPlainTextEdit *>(w))
                ++page.memos;
            else if (qobject_cast<QComboBox *>(w))
                ++page.combos;
            else if (qobject_cast<QSpinBox *>(w))
                ++page.spins;
            else if (qobject_cast<QLineEdit *>(w) && !partOfAnother(w))
                ++page.lines;
            else if (qobject_cast<QCheckBox *>(w))
                ++page.checks;
            else if (qobject_cast<QRadioButton *>(w))
                ++page.radios;
            else if (qobject_cast<QPushButton *>(w))
                ++page.buttons;
        }
        shape << page;
    }
    return shape;
}

QString shapeText(const FormShape &shape)
{
    QStringList pages;
    for (const PageShape &p : shape) {
        pages << u"%1,%2,%3,%4,%5,%6,%7,%8,%9"_s
                     .arg(p.groups)
                     .arg(p.labels)
                     .arg(p.lines)
                     .arg(p.combos)
                     .arg(p.memos)
                     .arg(p.checks)
                     .arg(p.radios)
                     .arg(p.spins)
                     .arg(p.buttons);
    }
    return pages.join(QLatin1Char(';'));
}

FormShape shapeFromText(const QString &text)
{
    FormShape shape;
    for (const QString &page : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList n = page.split(QLatin1Char(','));
        if (n.size() != 9)
            continue;
        shape << PageShape{n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt(), n[4].toInt(),
                           n[5].toInt(), n[6].toInt(), n[7].toInt(), n[8].toInt()};
    }
    return shape;
}

std::unique_ptr<QWidget> buildBareForm(const FormShape &shape)
{
    auto window = std::make_unique<QMainWindow>();
    auto *tabs = new QTabWidget(window.get());
    for (int i = 0; i < shape.size(); ++i) {
        const PageShape &p = shape.at(i);
        auto *scroll = new QScrollArea(tabs);
        scroll->setWidgetResizable(true);
        auto *content = new QWidget(scroll);
        auto *column = new QVBoxLayout(content);
        const int groups = qMax(1, p.groups);
        QList<QGridLayout *> grids;
        for (int g = 0; g < groups; ++g) {
            auto *box = new QGroupBox(u"Рамка %1"_s.arg(g + 1), content);
            grids << new QGridLayout(box);
            column->addWidget(box);
        }
        // Fields and labels dealt out over the frames, a label beside each field first.
        int next = 0;
        const auto place = [&](QWidget *field) {
            QGridLayout *grid = grids.at(next % groups);
            grid->addWidget(field, grid->rowCount(), 1);
            ++next;
        };
        for (int n = 0; n < p.lines; ++n)
            place(new QLineEdit(content));
        for (int n = 0; n < p.combos; ++n) {
            auto *combo = new QComboBox(content);
            combo->setEditable(true);
            combo->addItems({u"01"_s, u"02"_s, u"03"_s});
            place(combo);
        }
        for (int n = 0; n < p.memos; ++n)
            place(new QPlainTextEdit(content));
        for (int n = 0; n < p.checks; ++n)
            place(new QCheckBox(u"Позначка"_s, content));
        for (int n = 0; n < p.radios; ++n)
            place(new QRadioButton(u"Вибір"_s, content));
        for (int n = 0; n < p.spins; ++n)
            place(new QSpinBox(content));
        for (int n = 0; n < p.buttons; ++n)
            place(new QPushButton(u"Кнопка"_s, content));
        for (int n = 0; n < p.labels; ++n) {
            QGridLayout *grid = grids.at(n % groups);
            grid->addWidget(new QLabel(u"%1. Підпис поля"_s.arg(n + 1), content), n / groups, 0);
        }
        scroll->setWidget(content);
        tabs->addTab(scroll, u"Сторінка %1"_s.arg(i + 1));
    }
    window->setCentralWidget(tabs);
    window->resize(900, 640);
    return window;
}
