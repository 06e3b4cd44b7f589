#include "app/template_form.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

TfrmTemplate::TfrmTemplate(QWidget *parent) : QMainWindow(parent, Qt::Window)
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);

    m_pages = new QTabWidget(central);
    m_pages->setObjectName(QStringLiteral("PageControl"));
    layout->addWidget(m_pages, 1);

    m_panel = new QFrame(central);
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setFrameShape(QFrame::StyledPanel);
    m_panelLayout = new QHBoxLayout(m_panel);
    m_panelLayout->setContentsMargins(6, 4, 6, 4);

    auto *prev = new QPushButton(style()->standardIcon(QStyle::SP_ArrowLeft), QStringLiteral("Назад"), m_panel);
    prev->setObjectName(QStringLiteral("BitBtn2"));
    auto *next = new QPushButton(style()->standardIcon(QStyle::SP_ArrowRight), QStringLiteral("Вперед"), m_panel);
    next->setObjectName(QStringLiteral("BitBtn3"));
    connect(prev, &QPushButton::clicked, this, &TfrmTemplate::btnPrevClick);
    connect(next, &QPushButton::clicked, this, &TfrmTemplate::btnNextClick);
    m_panelLayout->addWidget(prev);
    m_panelLayout->addWidget(next);
    m_panelLayout->addStretch();
    layout->addWidget(m_panel);

    setCentralWidget(central);
}

void TfrmTemplate::btnPrevClick()
{
    const int count = m_pages->count();
    if (count == 0)
        return;
    m_pages->setCurrentIndex((m_pages->currentIndex() - 1 + count) % count);
}

void TfrmTemplate::btnNextClick()
{
    const int count = m_pages->count();
    if (count == 0)
        return;
    m_pages->setCurrentIndex((m_pages->currentIndex() + 1) % count);
}
