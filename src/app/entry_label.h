#pragma once

#include <QAbstractButton>

// A main-window entry: a clickable label in Times New Roman, drawn as an embossed
// button (or, plain, as blue text), with a hand cursor and its "&" accelerator.
class EntryLabel : public QAbstractButton
{
    Q_OBJECT
public:
    EntryLabel(const QString &name, const QString &caption, bool embossed, QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_embossed;
};
