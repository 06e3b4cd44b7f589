#include "app/confirm_dialog.h"

#include "app/window_fit.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {
// Dialog results of the three buttons; 0 stays for Escape and the close box.
constexpr int kYes = 10;
constexpr int kNo = 11;
constexpr int kCancel = 12;
} // namespace

ConfirmDialog::ConfirmDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(u"ConfirmDialog"_s);
    setWindowTitle(u"УВАГА!"_s);
    m_label = new QLabel(u"Внести зміни  до поточного запису?"_s, this);
    m_label->setObjectName(u"Label1"_s);
    m_label->setAlignment(Qt::AlignCenter);

    auto *yes = new QPushButton(u"&Так"_s, this);
    auto *no = new QPushButton(u"&Ні"_s, this);
    auto *cancel = new QPushButton(u"&Відмова"_s, this);
    yes->setObjectName(u"btnYes"_s);
    no->setObjectName(u"btnNo"_s);
    cancel->setObjectName(u"btnCancel"_s);
    yes->setDefault(true);
    connect(yes, &QPushButton::clicked, this, [this] { done(kYes); });
    connect(no, &QPushButton::clicked, this, [this] { done(kNo); });
    connect(cancel, &QPushButton::clicked, this, [this] { done(kCancel); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addWidget(no);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addSpacing(8);
    layout->addWidget(m_label);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

Platform::Answer ConfirmDialog::ask(const QString &caption, const QString &text)
{
    setWindowTitle(caption);
    m_label->setText(text);
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    windowFit::fitToScreen(this);
    const int result = exec();
    // Escape or the window manager closing the dialog count as "&Відмова".
    if (result == kYes)
        return Platform::Answer::Yes;
    if (result == kNo)
        return Platform::Answer::No;
    return Platform::Answer::Cancel;
}
