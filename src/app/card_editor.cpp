#include "app/card_editor.h"

#include "app/hint_timing.h"
#include "app/toolbar_icons.h"
#include "fields/card_document.h"
#include "print/print_job.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

namespace {

QToolButton *speedButton(QToolBar *bar, const QString &name, const QString &hint, const QIcon &icon)
{
    auto *button = new QToolButton(bar);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setIcon(icon);
    button->setIconSize(QSize(22, 22));
    button->setAutoRaise(true);
    bar->addWidget(button);
    return button;
}

} // namespace

CardEditor::CardEditor(const CardKind &kind, const Options &options, QWidget *parent)
    : TfrmTemplate(parent), m_kind(kind), m_document(new CardDocument(kind, this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kind.windowCaption());
    hintTiming::set(options.hintShowAfter, options.hintHideAfter);

    QMenu *file = menuBar()->addMenu(QStringLiteral("&Файл"));
    file->setObjectName(QStringLiteral("mnuFile"));
    m_actNew = file->addAction(QStringLiteral("Новий"), this, &CardEditor::newCard);
    m_actOpen = file->addAction(QStringLiteral("Відкрити..."), this, &CardEditor::openCard);
    m_actSave = file->addAction(options.saveText, this, [this] { saveCard(); });
    file->addSeparator();
    m_actPrint = file->addAction(options.printText, this, &CardEditor::printCard);
    m_actContinuation = file->addAction(options.continuationText, this, &CardEditor::printContinuation);
    file->addSeparator();
    m_actExit = file->addAction(QStringLiteral("Вихід"), this, &CardEditor::exitEditor);
    m_actNew->setObjectName(QStringLiteral("actNew"));
    m_actOpen->setObjectName(QStringLiteral("actOpen"));
    m_actSave->setObjectName(QStringLiteral("actSave"));
    m_actPrint->setObjectName(QStringLiteral("actPrint"));
    m_actContinuation->setObjectName(options.continuationName);
    m_actExit->setObjectName(QStringLiteral("actExit"));

    m_actHelp = menuBar()->addAction(QStringLiteral("&Допомога (F1)"));
    m_actHelp->setObjectName(QStringLiteral("actHelp"));
    m_actHelp->setShortcut(QKeySequence(Qt::Key_F1));
    m_actHelp->setShortcutContext(Qt::WindowShortcut);
    addAction(m_actHelp);
    connect(m_actHelp, &QAction::triggered, this, &CardEditor::helpRequested);

    auto *bar = addToolBar(QStringLiteral("Панель інструментів"));
    bar->setObjectName(QStringLiteral("ToolBar"));
    bar->setMovable(false);
    m_btnNew = speedButton(bar, QStringLiteral("SpeedButton1"), QStringLiteral("Новий"), toolbarIcons::newCard());
    m_btnOpen = speedButton(bar, QStringLiteral("SpeedButton2"), QStringLiteral("Відкрити"), toolbarIcons::open());
    m_btnSave = speedButton(bar, QStringLiteral("SpeedButton3"), QStringLiteral("Записати як..."), toolbarIcons::save());
    m_btnPrint = speedButton(bar, QStringLiteral("SpeedButton4"), QStringLiteral("Друк"), toolbarIcons::print());
    bar->addSeparator();
    m_btnContinuation = speedButton(bar, QStringLiteral("SB5"), options.continuationText, toolbarIcons::printContinuation());
    auto *sbText = new QLabel(QStringLiteral("- друк з 2-го листа продовження"), bar);
    sbText->setObjectName(QStringLiteral("lblSB5"));
    bar->addWidget(sbText);
    connect(m_btnNew, &QToolButton::clicked, this, &CardEditor::newCard);
    connect(m_btnOpen, &QToolButton::clicked, this, &CardEditor::openCard);
    connect(m_btnSave, &QToolButton::clicked, this, [this] { saveCard(); });
    connect(m_btnPrint, &QToolButton::clicked, this, &CardEditor::printCard);
    connect(m_btnContinuation, &QToolButton::clicked, this, &CardEditor::printContinuation);

    auto *endButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton),
                                      QStringLiteral("&Кінець введення"), bottomPanel());
    endButton->setObjectName(QStringLiteral("BitBtn1"));
    endButton->setToolTip(QStringLiteral("Для збереження виправленої інформації"));
    bottomPanelLayout()->addWidget(endButton);
    // The button takes the focus first, so the field left runs its check before the
    // input is ended.
    connect(endButton, &QPushButton::clicked, this, &CardEditor::endInput);

    // Nothing typed is lost when the program ends abnormally.
    m_document->enableRecovery();
    connect(m_document, &CardDocument::stateChanged, this, &CardEditor::updateState);
    connect(m_document, &CardDocument::modelReplaced, this, [this] { refreshFromModel(); });
    connect(m_document, &CardDocument::opened, this, [this] {
        if (pageControl()->count() > 0)
            pageControl()->setCurrentIndex(0);
    });
    resize(900, 640);
    updateState();
}

CardEditor::~CardEditor() = default;

void CardEditor::updateState()
{
    setWindowTitle(m_document->caption());
    m_actSave->setEnabled(m_document->saveItemEnabled());
    m_actPrint->setEnabled(m_document->printItemEnabled());
    m_btnSave->setEnabled(m_document->saveButtonEnabled());
    m_btnPrint->setEnabled(m_document->printButtonEnabled());
    m_actContinuation->setEnabled(m_document->continuationEnabled());
    m_btnContinuation->setEnabled(m_document->continuationEnabled());
}

bool CardEditor::savePrompt()
{
    commitToModel();
    return m_document->savePrompt();
}

void CardEditor::newCard()
{
    m_document->setSaveAndPrintButtonsEnabled(false);
    if (!savePrompt())
        return;
    const CardType type = cardType();
    close();
    emit newRequested(type);
}

void CardEditor::openCard()
{
    commitToModel();
    m_document->open();
}

bool CardEditor::saveCard()
{
    commitToModel();
    return m_document->saveAs();
}

void CardEditor::endInput()
{
    commitToModel();
    m_document->endInput();
}

void CardEditor::printCard()
{
    commitToModel();
    PrintJob job(*m_document);
    m_document->kind().print(m_document->model(), job);
}

void CardEditor::printContinuation()
{
    PrintJob(*m_document).printContinuation();
}

void CardEditor::exitEditor()
{
    if (savePrompt())
        close();
}

void CardEditor::closeEvent(QCloseEvent *event)
{
    // Closing by the title bar asks too: no card is dropped without a question.
    if (savePrompt())
        event->accept();
    else
        event->ignore();
}

void CardEditor::watchMarks(QWidget *field)
{
    field->installEventFilter(this);
}

bool CardEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Modifier keys and navigation alone change nothing.
        if (!key->text().isEmpty() || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete)
            m_document->markModified();
    }
    return TfrmTemplate::eventFilter(watched, event);
}
