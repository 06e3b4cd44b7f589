#include "app/entry_label.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

using namespace Qt::Literals::StringLiterals;

EntryLabel::EntryLabel(const QString &name, const QString &caption, bool embossed, QWidget *parent)
    : QAbstractButton(parent), m_embossed(embossed)
{
    setObjectName(name);
    setText(caption);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    QFont f(u"Times New Roman"_s);
    f.setPixelSize(19);
    f.setBold(true);
    setFont(f);
    // QAbstractButton takes the accelerator from the "&" of its text.
    setShortcut(QKeySequence::mnemonic(caption));
}

QSize EntryLabel::sizeHint() const
{
    QString shown = text();
    shown.remove(QLatin1Char('&'));
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(shown) + 36, fm.height() + 14};
}

void EntryLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    if (!m_embossed) {
        p.setPen(QColor(0, 0, 200));
        p.drawText(r, flags, text());
    } else {
        const bool down = isDown();
        p.fillRect(r, QColor(192, 192, 192));
        const QColor light(255, 255, 255);
        const QColor dark(96, 96, 96);
        p.setPen(down ? dark : light);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(down ? light : dark);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        const QRect textRect = r.translated(down ? 1 : 0, down ? 1 : 0);
        // Raised letters: a light edge above left, a dark one below right.
        p.setPen(light);
        p.drawText(textRect.translated(-1, -1), flags, text());
        p.setPen(QColor(150, 150, 150));
        p.drawText(textRect.translated(1, 1), flags, text());
        p.setPen(QColor(0, 0, 128));
        p.drawText(textRect, flags, text());
    }
    if (hasFocus()) {
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(r.adjusted(3, 3, -4, -4));
    }
}

void EntryLabel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
