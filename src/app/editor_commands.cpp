#include "app/editor_commands.h"

#include "app/card_editor.h"
#include "app/toolbar_icons.h"
#include "fields/card_document.h"

#include <QAction>
#include <QLabel>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace {

// `text` is what a screen reader says for the button, which shows only its picture.
QToolButton *speedButton(QToolBar *bar, const QString &name, const QString &text, const QIcon &icon,
                         const QString &hint)
{
    auto *button = new QToolButton(bar);
    button->setObjectName(name);
    button->setAccessibleName(text);
    button->setToolTip(hint);
    button->setIcon(icon);
    button->setIconSize(QSize(22, 22));
    button->setAutoRaise(true);
    bar->addWidget(button);
    return button;
}

} // namespace

EditorCommands::EditorCommands(CardEditor &editor, const EditorOptions &options)
{
    CardEditor *e = &editor;
    QMenu *file = editor.menuBar()->addMenu(options.fileMenuText);
    file->setObjectName(u"mnuFile"_s);
    QAction *actNew = file->addAction(u"Новий"_s, e, &CardEditor::newCard);
    QAction *actOpen = file->addAction(u"Відкрити..."_s, e, &CardEditor::openCard);
    m_actSave = file->addAction(options.saveText, e, [e] { e->saveCard(); });
    QAction *actCheck = file->addAction(u"Перевірити картку"_s, e, &CardEditor::checkCard);
    actCheck->setObjectName(u"actCheck"_s);
    actCheck->setShortcut(QKeySequence(Qt::Key_F9));
    actCheck->setShortcutContext(Qt::WindowShortcut);
    file->addSeparator();
    m_actPrint = file->addAction(options.printText, e, &CardEditor::printCard);
    m_actContinuation = file->addAction(options.continuationText, e, &CardEditor::printContinuation);
    file->addSeparator();
    QAction *actExit = file->addAction(u"Вихід"_s, e, &CardEditor::exitEditor);
    QAction *actHelp = editor.menuBar()->addAction(options.helpText);
    const QList<QAction *> items = {actNew, actOpen, m_actSave, m_actPrint, actExit, actHelp};
    for (int i = 0; i < items.size(); ++i)
        items.at(i)->setObjectName(options.itemNames.value(i));
    m_actContinuation->setObjectName(options.continuationName);

    actHelp->setShortcut(QKeySequence(Qt::Key_F1));
    actHelp->setShortcutContext(Qt::WindowShortcut);
    editor.addAction(actHelp);
    QObject::connect(actHelp, &QAction::triggered, e, &CardEditor::helpRequested);

    auto *bar = editor.addToolBar(u"Панель інструментів"_s);
    bar->setObjectName(u"ToolBar"_s);
    bar->setMovable(false);
    const auto plain = [bar](const QString &name, const QString &text, const QIcon &icon) {
        return speedButton(bar, name, text, icon, text);
    };
    QToolButton *btnNew = plain(u"SpeedButton1"_s, u"Новий"_s, toolbarIcons::newCard());
    QToolButton *btnOpen = plain(u"SpeedButton2"_s, u"Відкрити"_s, toolbarIcons::open());
    m_btnSave = plain(u"SpeedButton3"_s, u"Записати як..."_s, toolbarIcons::save());
    m_btnPrint = plain(u"SpeedButton4"_s, u"Друк"_s, toolbarIcons::print());
    QToolButton *btnCheck = speedButton(bar, u"SpeedButtonCheck"_s, u"Перевірити картку"_s,
                                        toolbarIcons::checkCard(), u"Перевірити картку (F9)"_s);
    bar->addSeparator();
    m_btnContinuation = speedButton(bar, u"SB5"_s, options.continuationText, toolbarIcons::printContinuation(),
                                    options.continuationHint.value_or(options.continuationText));
    auto *note = new QLabel(options.continuationNote, bar);
    note->setObjectName(u"lblSB5"_s);
    bar->addWidget(note);
    QObject::connect(btnNew, &QToolButton::clicked, e, &CardEditor::newCard);
    QObject::connect(btnOpen, &QToolButton::clicked, e, &CardEditor::openCard);
    QObject::connect(m_btnSave, &QToolButton::clicked, e, [e] { e->saveCard(); });
    QObject::connect(m_btnPrint, &QToolButton::clicked, e, &CardEditor::printCard);
    QObject::connect(m_btnContinuation, &QToolButton::clicked, e, &CardEditor::printContinuation);
    QObject::connect(btnCheck, &QToolButton::clicked, e, &CardEditor::checkCard);

    editor.previousButton()->setObjectName(options.previousName);
    editor.nextButton()->setObjectName(options.nextName);
    auto *endButton = new QPushButton(editor.style()->standardIcon(QStyle::SP_DialogApplyButton),
                                      u"&Кінець введення"_s, editor.bottomPanel());
    endButton->setObjectName(u"BitBtn1"_s);
    endButton->setToolTip(u"Для збереження виправленої інформації"_s);
    editor.bottomPanelLayout()->addWidget(endButton);
    // The button takes the focus first, so the field left runs its check before the
    // input is ended.
    QObject::connect(endButton, &QPushButton::clicked, e, &CardEditor::endInput);
}

void EditorCommands::update(const CardDocument &document)
{
    m_actSave->setEnabled(document.saveItemEnabled());
    m_actPrint->setEnabled(document.printItemEnabled());
    m_btnSave->setEnabled(document.saveButtonEnabled());
    m_btnPrint->setEnabled(document.printButtonEnabled());
    m_actContinuation->setEnabled(document.continuationItemEnabled());
    m_btnContinuation->setEnabled(document.continuationEnabled());
}
