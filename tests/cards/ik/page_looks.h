#pragma once

#include "app/card_editor.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringList>
#include <QTabWidget>
#include <QTest>

// How the pages of an editor look at its opening size, read from the widgets'
// geometry as a clerk sees it: every page shows whole, and every label stands
// clear of its field, level with it when it stands beside it. Used by the IK and
// OKD editor tests.
namespace pageLooks {

// The widest line of a label's text.
inline int textWidth(const QLabel *label)
{
    int widest = 0;
    for (const QString &line : label->text().split(QLatin1Char('\n')))
        widest = qMax(widest, label->fontMetrics().horizontalAdvance(line));
    return widest;
}

// What is wrong with the shown page `index`, one line per fault ("" when nothing).
inline QStringList faults(CardEditor &editor, int index)
{
    QStringList out;
    QTabWidget *pages = editor.pageControl();
    pages->setCurrentIndex(index);
    QTest::qWait(30);
    QWidget *page = pages->widget(index);
    if (auto *scroll = qobject_cast<QScrollArea *>(page)) {
        if (scroll->verticalScrollBar()->isVisible() || scroll->horizontalScrollBar()->isVisible())
            out << QStringLiteral("page %1 needs a scroll bar %2 %3").arg(index + 1).arg(scroll->widget()->minimumSizeHint().height()).arg(scroll->viewport()->height());
    }
    for (QLabel *label : page->findChildren<QLabel *>()) {
        // A table's labels come before their fields and go by their names ("lbl" + field).
        QWidget *field = label->buddy();
        if (!field && label->objectName().startsWith(QLatin1String("lbl")))
            field = editor.findChild<QWidget *>(label->objectName().mid(3));
        if (!field || !label->isVisible() || !field->isVisible() || label->text().trimmed().isEmpty())
            continue;
        const QString name = QStringLiteral("«%1» (%2)").arg(label->text().simplified(), field->objectName());
        const QRect l(label->mapTo(page, QPoint(0, 0)), label->size());
        const QRect f(field->mapTo(page, QPoint(0, 0)), field->size());
        const int text = textWidth(label) + label->contentsMargins().left() + label->contentsMargins().right();
        if (label->width() < text)
            out << name + QStringLiteral(" is cut: %1 of %2 px").arg(label->width()).arg(text);
        if (l.intersects(f))
            out << name + QStringLiteral(" overlaps its field");
        const bool beside = l.top() < f.bottom() && f.top() < l.bottom();
        if (!beside)
            continue;
        const int gap = l.left() < f.left() ? f.left() - (l.left() + text) : l.left() - f.right();
        if (gap < 4)
            out << name + QStringLiteral(" touches its field (%1 px)").arg(gap);
        // A text box of several lines stands at the top of its row; the rest stand level.
        const int drop = l.center().y() - f.center().y();
        if (qAbs(drop) > 2 && !qobject_cast<QPlainTextEdit *>(field))
            out << name + QStringLiteral(" stands %1 px off its field's middle").arg(drop);
    }
    return out;
}

} // namespace pageLooks
