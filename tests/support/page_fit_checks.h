#pragma once

#include "app/card_editor.h"
#include "support/fake_platform.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringList>
#include <QTabWidget>
#include <QTest>
#include <QTextDocument>

using namespace Qt::Literals::StringLiterals;

// What a clerk would find wrong on the pages of an editor shown at its opening size,
// read from the widgets' geometry, one text per fault: a page that needs a scroll bar,
// a label cut short, over its field, running into (or touching) it or standing off its
// middle beside it, a text box whose last visible line is sliced. Empty when every
// page is fine.
namespace pageFit {

// A label's text must end this far before its field on the same row.
constexpr int kLabelGap = 6;

inline int textWidth(const QLabel *label)
{
    int widest = 0;
    for (QString line : label->text().split(QLatin1Char('\n'))) {
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1); // a trailing blank takes no room
        widest = qMax(widest, label->fontMetrics().horizontalAdvance(line));
    }
    return widest;
}

inline QRect rectIn(const QWidget *w, const QWidget *ancestor)
{
    return QRect(w->mapTo(ancestor, QPoint(0, 0)), w->size());
}

inline QStringList problems(CardEditor &window)
{
    QStringList found;
    QTabWidget *pages = window.pageControl();
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        QTest::qWait(20); // the page is laid out when it shows
        const QString page = pages->tabText(i);
        auto *scroll = qobject_cast<QScrollArea *>(pages->widget(i));
        if (!scroll) {
            found << page + u": no scroll area"_s;
            continue;
        }
        QWidget *content = scroll->widget();
        const QSize needed = content->minimumSizeHint().expandedTo(content->minimumSize());
        const QSize room = scroll->maximumViewportSize();
        if (needed.height() > room.height() || needed.width() > room.width()
            || scroll->verticalScrollBar()->isVisible() || scroll->horizontalScrollBar()->isVisible())
            found << page + u": needs a scroll bar (content %1x%2, room %3x%4)"_s
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(room.width())
                                .arg(room.height());
        for (const QLabel *label : content->findChildren<QLabel *>()) {
            if (!label->isVisible() || label->text().isEmpty())
                continue;
            const int text = textWidth(label);
            if (label->width() < text)
                found << page + u": label «%1» cut"_s.arg(label->text());
            // A table's labels are made before their fields and go by their names.
            const QWidget *field = label->buddy();
            if (!field && label->objectName().startsWith(QLatin1String("lbl")))
                field = window.findChild<QWidget *>(label->objectName().mid(3));
            if (!field || !field->isVisible())
                continue;
            const QRect l = rectIn(label, content);
            const QRect f = rectIn(field, content);
            if (l.intersects(f))
                found << page + u": label «%1» over %2"_s.arg(label->text(), field->objectName());
            const bool sameRow = l.top() < f.bottom() && f.top() < l.bottom();
            if (sameRow && l.left() < f.left() && l.left() + text + kLabelGap > f.left())
                found << page + u": label «%1» touches %2"_s.arg(label->text(), field->objectName());
            // Beside a one-line field a label stands level with it; a text box of several
            // lines has its label at the top.
            const int drop = l.center().y() - f.center().y();
            if (sameRow && qAbs(drop) > 2 && !qobject_cast<const QPlainTextEdit *>(field))
                found << page + u": label «%1» stands %2 px off the middle of %3"_s
                                    .arg(label->text())
                                    .arg(drop)
                                    .arg(field->objectName());
        }
        for (const QPlainTextEdit *memo : content->findChildren<QPlainTextEdit *>()) {
            if (!memo->isVisible())
                continue;
            const qreal line = QFontMetricsF(memo->font()).lineSpacing();
            const qreal room = memo->viewport()->height() - 2 * memo->document()->documentMargin();
            const int whole = int(room / line);
            // A remainder of a pixel or two shows no part of a letter.
            if (room - whole * line > 2)
                found << page + u": %1 shows %2 lines and part of one (%3 px of %4)"_s
                                    .arg(memo->objectName())
                                    .arg(whole)
                                    .arg(room - whole * line)
                                    .arg(line);
        }
    }
    return found;
}

// A window of `Driver` (an EditorDriver), with `choices` ("field=typed", each left with
// Tab) made first: no rule speaks, the field `shown` (if any) is shown, and every page fits.
template<class Driver>
void checkPagesFit(const QStringList &choices, const QString &shown)
{
    ScopedFakePlatform platform;
    Driver e;
    QVERIFY(e.show());
    for (const QString &choice : choices) {
        e.enter(choice.section(QLatin1Char('='), 0, 0));
        QTest::keyClicks(QApplication::focusWidget(), choice.section(QLatin1Char('='), 1));
        e.tab();
    }
    QCOMPARE(platform.log(), QStringList());
    if (!shown.isEmpty())
        QVERIFY(e.field(shown)->isVisible());
    const QStringList found = problems(*e.window);
    for (const QString &problem : found)
        qWarning("%s", qPrintable(problem));
    QVERIFY2(found.isEmpty(), qPrintable(found.value(0)));
}

} // namespace pageFit
