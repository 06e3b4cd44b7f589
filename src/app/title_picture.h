#pragma once

#include <QWidget>

// The main window's picture: a registration card with the state colours and a seal,
// drawn in code.
class TitlePicture : public QWidget
{
    Q_OBJECT
public:
    explicit TitlePicture(QWidget *parent = nullptr);
    QSize sizeHint() const override { return {120, 120}; }

protected:
    void paintEvent(QPaintEvent *event) override;
};
