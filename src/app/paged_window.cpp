#include "app/paged_window.h"

#include "app/window_fit.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

PagedWindow::PagedWindow(QWidget *parent) : QMainWindow(parent, Qt::Window)
{
    windowFit::keepOnScreen(this);
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);

    m_pages = new QTabWidget(central);
    m_pages->setObjectName(u"PageControl"_s);
    layout->addWidget(m_pages, 1);

    m_panel = new QFrame(central);
    m_panel->setObjectName(u"Panel1"_s);
    m_panel->setFrameShape(QFrame::StyledPanel);
    m_panelLayout = new QHBoxLayout(m_panel);
    m_panelLayout->setContentsMargins(6, 4, 6, 4);

    m_prev = new QPushButton(style()->standardIcon(QStyle::SP_ArrowLeft), u"Назад"_s, m_panel);
    m_prev->setObjectName(u"BitBtn2"_s);
    m_next = new QPushButton(style()->standardIcon(QStyle::SP_ArrowRight), u"Вперед"_s, m_panel);
    m_next->setObjectName(u"BitBtn3"_s);
    connect(m_prev, &QPushButton::clicked, this, &PagedWindow::showPreviousPage);
    connect(m_next, &QPushButton::clicked, this, &PagedWindow::showNextPage);
    m_panelLayout->addWidget(m_prev);
    m_panelLayout->addWidget(m_next);
    m_panelLayout->addStretch();
    layout->addWidget(m_panel);

    setCentralWidget(central);
    m_pages->tabBar()->installEventFilter(this);
    m_pages->installEventFilter(this);
}

void PagedWindow::turnTo(int index)
{
    if (index != m_pages->currentIndex() && mayLeavePage())
        m_pages->setCurrentIndex(index);
}

bool PagedWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_pages->tabBar() && event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const int index = m_pages->tabBar()->tabAt(mouse->position().toPoint());
        if (index >= 0 && index != m_pages->currentIndex() && !mayLeavePage())
            return true; // the click is spent: the clerk stays on the field
    } else if (watched == m_pages && event->type() == QEvent::KeyPress) {
        // The page control's own keys, taken here so that they go through the same check.
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool ctrl = key->modifiers() & Qt::ControlModifier;
        const int count = m_pages->count();
        int step = 0;
        if (ctrl && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_PageDown))
            step = 1;
        else if (ctrl && (key->key() == Qt::Key_Backtab || key->key() == Qt::Key_PageUp))
            step = -1;
        if (step != 0 && count > 0) {
            turnTo((m_pages->currentIndex() + step + count) % count);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void PagedWindow::showPreviousPage()
{
    const int count = m_pages->count();
    if (count == 0)
        return;
    turnTo((m_pages->currentIndex() - 1 + count) % count);
}

void PagedWindow::showNextPage()
{
    const int count = m_pages->count();
    if (count == 0)
        return;
    turnTo((m_pages->currentIndex() + 1) % count);
}
