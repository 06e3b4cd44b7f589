#pragma once

#include <QMainWindow>

class QFrame;
class QHBoxLayout;
class QPushButton;
class QTabWidget;

// TfrmTemplate: the base window of the card editors: a page control that fills the
// window and a bottom panel with "Назад" and "Вперед", which wrap around.
class TfrmTemplate : public QMainWindow
{
    Q_OBJECT
public:
    explicit TfrmTemplate(QWidget *parent = nullptr);

    QTabWidget *pageControl() const { return m_pages; }
    QFrame *bottomPanel() const { return m_panel; }
    QHBoxLayout *bottomPanelLayout() const { return m_panelLayout; }

public slots:
    void btnPrevClick();
    void btnNextClick();

private:
    QTabWidget *m_pages;
    QFrame *m_panel;
    QHBoxLayout *m_panelLayout;
};
