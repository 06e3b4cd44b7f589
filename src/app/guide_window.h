#pragma once

#include <QWidget>

class QPushButton;
class QTextEdit;

// GuideWindow: the user guide, non-modal; every request makes a new one.
class GuideWindow : public QWidget
{
    Q_OBJECT
public:
    explicit GuideWindow(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTextEdit *m_text;
    QPushButton *m_exit;
};

// The guide as rich text.
QString userGuideHtml();
