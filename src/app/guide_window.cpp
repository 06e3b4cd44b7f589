#include "app/guide_window.h"

#include "app/window_fit.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

GuideWindow::GuideWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(u"GuideWindow"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Підказка по користуванню системою"_s);

    m_text = new QTextEdit(this);
    m_text->setObjectName(u"RichEdit1"_s);
    QFont f(u"Times New Roman"_s);
    f.setPixelSize(16);
    m_text->setFont(f);
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setHtml(userGuideHtml());
    m_text->installEventFilter(this);

    m_exit = new QPushButton(u"&Вихід"_s, this);
    m_exit->setObjectName(u"BitBtn1"_s);
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_exit, 0, Qt::AlignHCenter);

    resize(720, 600);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    windowFit::keepOnScreen(this);
}

bool GuideWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The guide is protected: typing into it sends the focus to "&Вихід".
    if (watched == m_text && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool editing = (!key->text().isEmpty() && key->text().at(0).isPrint())
            || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete;
        if (editing && !(key->modifiers() & Qt::ControlModifier)) {
            m_exit->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
