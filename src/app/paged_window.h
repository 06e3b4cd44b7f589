#pragma once

#include <QMainWindow>

class QFrame;
class QHBoxLayout;
class QPushButton;
class QTabWidget;

// PagedWindow: the base window of the card editors: a page control that fills the
// window and a bottom panel with "Назад" and "Вперед", which wrap around. Every way
// of turning the page (these buttons, a click on a tab header, Ctrl+Tab and
// Ctrl+PgUp/PgDown) first asks mayLeavePage(); a "no" leaves the page as it is.
class PagedWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit PagedWindow(QWidget *parent = nullptr);

    QTabWidget *pageControl() const { return m_pages; }
    QFrame *bottomPanel() const { return m_panel; }
    QHBoxLayout *bottomPanelLayout() const { return m_panelLayout; }
    QPushButton *previousButton() const { return m_prev; }
    QPushButton *nextButton() const { return m_next; }

public slots:
    void showPreviousPage();
    void showNextPage();

protected:
    // Whether the page shown may be left now; a card editor runs the exit rule of the
    // field being left first.
    virtual bool mayLeavePage() { return true; }
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void turnTo(int index);

    QTabWidget *m_pages;
    QFrame *m_panel;
    QHBoxLayout *m_panelLayout;
    QPushButton *m_prev;
    QPushButton *m_next;
};
