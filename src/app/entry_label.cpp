#include "app/entry_label.h"

#include "app/main_window_font.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

EntryLabel::EntryLabel(const QString &name, const QString &caption, bool embossed, QWidget *parent)
    : QAbstractButton(parent), m_embossed(embossed)
{
    setObjectName(name);
    setText(caption);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setFont(mainWindowFont(kPixelSize, true));
    // QAbstractButton takes the accelerator from the "&" of its text.
    setShortcut(QKeySequence::mnemonic(caption));
}

QSize EntryLabel::sizeHint() const
{
    return {qRound(caption().lineAt(0).horizontalAdvance()) + 36, QFontMetrics(font()).height() + 14};
}

const QTextLayout &EntryLabel::caption() const
{
    if (m_caption && m_captionText == text())
        return *m_caption;
    m_captionText = text();
    QString shown;
    QList<QTextLayout::FormatRange> underlined;
    for (qsizetype i = 0; i < m_captionText.size(); ++i) {
        if (m_captionText.at(i) == QLatin1Char('&') && ++i < m_captionText.size()
            && m_captionText.at(i) != QLatin1Char('&')) {
            QTextLayout::FormatRange accelerator;
            accelerator.start = int(shown.size());
            accelerator.length = 1;
            accelerator.format.setFontUnderline(true);
            underlined.append(accelerator);
        }
        if (i < m_captionText.size())
            shown.append(m_captionText.at(i));
    }
    m_caption = std::make_unique<QTextLayout>(shown, font(), const_cast<EntryLabel *>(this));
    m_caption->setFormats(underlined);
    QTextOption option = m_caption->textOption();
    option.setWrapMode(QTextOption::NoWrap);
    option.setFlags(option.flags() | QTextOption::IncludeTrailingSpaces);
    m_caption->setTextOption(option);
    m_caption->setCacheEnabled(true);
    m_caption->beginLayout();
    m_caption->createLine();
    m_caption->endLayout();
    return *m_caption;
}

void EntryLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        m_caption.reset();
    QAbstractButton::changeEvent(event);
}

void EntryLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    // Centred as QPainter centres a line of text in a rectangle.
    const QTextLayout &letters = caption();
    const QTextLine line = letters.lineAt(0);
    const QPointF at((r.width() - line.horizontalAdvance()) / 2, (r.height() - line.ascent() - line.descent()) / 2);
    if (!m_embossed) {
        p.setPen(QColor(0, 0, 200));
        letters.draw(&p, at);
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
        const QPointF textAt = at + QPointF(down ? 1 : 0, down ? 1 : 0);
        // Raised letters: a light edge above left, a dark one below right.
        p.setPen(light);
        letters.draw(&p, textAt + QPointF(-1, -1));
        p.setPen(QColor(150, 150, 150));
        letters.draw(&p, textAt + QPointF(1, 1));
        p.setPen(QColor(0, 0, 128));
        letters.draw(&p, textAt);
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
