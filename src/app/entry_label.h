#pragma once

#include <QAbstractButton>
#include <QTextLayout>

#include <memory>

// A main-window entry: a clickable label in Times New Roman, drawn as an embossed
// button (or, plain, as blue text), with a hand cursor and its "&" accelerator.
class EntryLabel : public QAbstractButton
{
    Q_OBJECT
public:
    static constexpr int kPixelSize = 19;

    EntryLabel(const QString &name, const QString &caption, bool embossed, QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // The caption on one line, "&" taken out and the accelerator underlined: laid out once,
    // for the size and for each of the three passes of the raised letters.
    const QTextLayout &caption() const;

    bool m_embossed;
    mutable std::unique_ptr<QTextLayout> m_caption;
    mutable QString m_captionText;
};
