#include "app/main_window.h"

#include "app/card_editor.h"
#include "cards/card_editors.h"
#include "app/command_line.h"
#include "app/entry_label.h"
#include "app/guide_window.h"
#include "app/main_window_font.h"
#include "orgs/org_directory.h"
#include "app/title_picture.h"
#include "app/window_fit.h"
#include "cardfile/card_reader.h"
#include "fields/card_document.h"
#include "fields/card_recovery.h"
#include "fields/platform.h"
#include "fields/user_settings.h"
#include "spell/speller.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLockFile>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kEntryWidth = 400;
constexpr int kLinePixels = 16;

int slot(CardType type)
{
    return int(type);
}

QLabel *titleLine(const QString &text, int pixelSize, bool bold, const QColor &colour, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(mainWindowFont(pixelSize, bold));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(u"MainForm"_s);
    setWindowTitle(u"ЗОРВАТ"_s);
    setFixedSize(622, 452);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(171, 171, 171)); // application workspace
    setPalette(pal);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 14, 24, 18);
    layout->setSpacing(9);

    auto *head = new QHBoxLayout;
    head->addWidget(new TitlePicture(this));
    auto *titles = new QVBoxLayout;
    titles->addWidget(titleLine(u"З О Р В А Т"_s, 40, true, QColor(0, 0, 128), this));
    // Two sizes beside the title's: those of the entries (bold) and of the lines below
    // (plain). Every further size is one more font to prepare before the first paint.
    titles->addWidget(titleLine(u"Підготовка карток державної реєстрації"_s, EntryLabel::kPixelSize, true,
                                QColor(0, 0, 0), this));
    titles->addWidget(titleLine(u"науково-дослідних і дослідно-конструкторських робіт,"_s, kLinePixels, false,
                                QColor(0, 0, 0), this));
    titles->addWidget(
        titleLine(u"науково-технічної продукції та дисертацій"_s, kLinePixels, false, QColor(0, 0, 0), this));
    auto *subtitle = titleLine(u"(для запису на  MD  та друку документів)"_s, kLinePixels, false,
                               QColor(128, 0, 0), this);
    subtitle->setObjectName(u"Label2"_s);
    titles->addWidget(subtitle);
    head->addLayout(titles, 1);
    layout->addLayout(head);
    layout->addSpacing(8);

    struct Entry
    {
        const char *name;
        QString caption;
        bool embossed;
        CardType type;
    };
    const Entry entries[] = {
        {"LabelEffect5", u"Реєстраційна картка НДР і ДКР (&РК)"_s, true, CardType::RK},
        {"LabelEffect4", u"Облікова картка НДР і ДКР (&ОК)"_s, true, CardType::OK},
        {"LabelEffect11", u"Інформаційна картка НТП (ІК НТП)"_s, false, CardType::IK},
        {"LabelEffect3", u"Облікова картка дисертації (&ОКД)"_s, true, CardType::OKD},
    };
    for (const Entry &e : entries) {
        auto *entry = new EntryLabel(QString::fromLatin1(e.name), e.caption, e.embossed, this);
        const CardType type = e.type;
        connect(entry, &EntryLabel::clicked, this, [this, type] { openEditor(type); });
        entry->setMinimumWidth(kEntryWidth);
        layout->addWidget(entry, 0, Qt::AlignHCenter);
    }
    auto *exit = new EntryLabel(u"LabelEffect10"_s, u"Вихід"_s, true, this);
    connect(exit, &EntryLabel::clicked, this, [this] { exitFlow(); });
    exit->setMinimumWidth(kEntryWidth / 2);
    layout->addWidget(exit, 0, Qt::AlignHCenter);
    layout->addStretch();

    // Below the entries, out of their way: a link-like button with the list as its menu.
    auto *recent = new QPushButton(u"Ос&танні картки"_s, this);
    recent->setObjectName(u"RecentCards"_s);
    recent->setFlat(true);
    recent->setCursor(Qt::PointingHandCursor);
    recent->setToolTip(u"Картки, які відкривали або записували останніми"_s);
    const QFont recentFont = mainWindowFont(kLinePixels, false);
    recent->setFont(recentFont);
    QPalette recentPalette = recent->palette();
    recentPalette.setColor(QPalette::ButtonText, QColor(0, 0, 200));
    recent->setPalette(recentPalette);
    m_recentMenu = new QMenu(recent);
    m_recentMenu->setObjectName(u"RecentCardsMenu"_s);
    m_recentMenu->setToolTipsVisible(true);
    connect(m_recentMenu, &QMenu::aboutToShow, this, &MainWindow::updateRecentCards);
    recent->setMenu(m_recentMenu);

    // "Сервіс": the settings the clerk keeps from run to run, beside the list.
    auto *service = new QPushButton(u"&Сервіс"_s, this);
    service->setObjectName(u"Service"_s);
    service->setFlat(true);
    service->setCursor(Qt::PointingHandCursor);
    service->setFont(recentFont);
    service->setPalette(recentPalette);
    auto *serviceMenu = new QMenu(service);
    serviceMenu->setObjectName(u"ServiceMenu"_s);
    m_spellAction = serviceMenu->addAction(u"Перевіряти правопис"_s);
    m_spellAction->setObjectName(u"SpellCheck"_s);
    m_spellAction->setCheckable(true);
    m_spellAction->setChecked(spelling::Speller::service().enabled());
    m_spellAction->setToolTip(u"Підкреслювати слова з помилками в текстах карток"_s);
    connect(m_spellAction, &QAction::toggled, this, [](bool on) {
        userSettings::setSpellChecking(on);
        spelling::Speller::service().setEnabled(on);
    });
    serviceMenu->addAction(u"Довідник організацій..."_s, this, [this] { OrgDirectory::showFor(this); })
        ->setObjectName(u"OrgDirectoryAction"_s);
    service->setMenu(serviceMenu);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(service);
    bottom->addStretch(1);
    bottom->addWidget(recent);
    layout->addLayout(bottom);
    // The list is read (and its files looked for, on disks that may be slow or gone) when
    // its menu opens, not before the window's first paint.

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    windowFit::keepOnScreen(this);
}

CardEditor *MainWindow::openEditor(CardType type)
{
    CardEditor *editor = createCardEditor(type, this);
    editor->rememberPlace();
    connect(&editor->document(), &CardDocument::fileUsed, this,
            [type](const QString &path) { userSettings::addRecentCard(path, type); });
    m_newest[slot(type)] = editor;
    m_all.append(editor);
    connect(editor, &CardEditor::newRequested, this, &MainWindow::openEditor);
    connect(editor, &CardEditor::helpRequested, this, [this, editor] { showHelp(editor); });
    editor->show();
    emit editorOpened(editor);
    return editor;
}

CardEditor *MainWindow::newestEditor(CardType type) const
{
    return m_newest[slot(type)].data();
}

bool MainWindow::askEditors()
{
    QList<QPointer<CardEditor>> order;
    for (CardType t : {CardType::OKD, CardType::OK, CardType::RK, CardType::IK}) {
        if (m_newest[slot(t)])
            order.append(m_newest[slot(t)]);
    }
    // Older editors of a type are not referenced by the main window; they are asked
    // last, and only when their card has changes, so that no card is lost silently.
    for (const QPointer<CardEditor> &e : m_all) {
        if (e && !order.contains(e) && e->document().modified())
            order.append(e);
    }
    for (const QPointer<CardEditor> &e : order) {
        if (e && !e->savePrompt())
            return false;
    }
    return true;
}

bool MainWindow::exitFlow()
{
    if (!askEditors())
        return false;
    m_exitAsked = true;
    close();
    return true;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The title bar's close box ends the program too; it asks like "Вихід".
    if (!m_exitAsked && !askEditors()) {
        event->ignore();
        return;
    }
    m_exitAsked = false;
    // The editors go with the main window without closing themselves; the newest of each
    // type comes last and is the one remembered.
    for (const QPointer<CardEditor> &e : std::as_const(m_all)) {
        if (e)
            e->keepPlace();
    }
    event->accept();
}

void MainWindow::offerRecovery()
{
    for (const CardRecovery::Copy &copy : CardRecovery::leftBehind()) {
        // Held from the question on: a program started meanwhile passes this copy by.
        // Taken by another program since the list was made: it is that one's to offer.
        std::unique_ptr<QLockFile> held = CardRecovery::claim(copy.path);
        if (!held)
            continue;
        const auto answer = Platform::instance().question(u"Відновлення картки"_s, CardRecovery::offerText(copy));
        if (answer == Platform::Answer::No) {
            // The copy goes while it is still held; its lock file goes with the lock.
            QFile::remove(copy.path);
        } else if (answer == Platform::Answer::Yes) {
            CardEditor *editor = openEditor(copy.type);
            const ReadResult result = editor->document().restoreFrom(copy.path, std::move(held));
            if (result.status == ReadResult::Status::IoError)
                Platform::instance().ioError(result.message);
            else if (!result.ok())
                Platform::instance().message(result.message);
        }
    }
}

void MainWindow::updateRecentCards()
{
    m_recentMenu->clear();
    const QList<userSettings::RecentCard> cards = userSettings::recentCards();
    if (cards.isEmpty()) {
        m_recentMenu->addAction(u"Список порожній"_s)->setEnabled(false);
        return;
    }
    const QFontMetrics metrics(m_recentMenu->font());
    for (int i = 0; i < cards.size(); ++i) {
        const userSettings::RecentCard card = cards.at(i);
        const QFileInfo file(card.path);
        // The name first, which is what the clerk looks for; a long folder is shortened
        // in its middle.
        QString text = u"&%1  %2  —  %3"_s
                           .arg(i + 1)
                           .arg(file.fileName(), metrics.elidedText(QDir::toNativeSeparators(file.path()),
                                                                    Qt::ElideMiddle, 360));
        const bool there = file.isFile();
        if (!there)
            text += u"  (файл не знайдено)"_s;
        QAction *action = m_recentMenu->addAction(text);
        action->setToolTip(QDir::toNativeSeparators(card.path));
        // A file on a disk not plugged in now may come back: it stays on the list, marked.
        action->setEnabled(there);
        connect(action, &QAction::triggered, this, [this, card] { openRecentCard(card.path, card.type); });
    }
}

void MainWindow::openRecentCard(const QString &path, CardType type)
{
    if (cardKindOfFileName(path)) {
        openCardFiles(*this, {path});
        return;
    }
    if (const QString reason = unreadableReason(path); !reason.isEmpty()) {
        Platform::instance().ioError(readFailureMessage(path, reason));
        return;
    }
    openEditor(type)->document().openChosen(path);
}

void MainWindow::showHelp(QWidget *owner)
{
    auto *help = new GuideWindow(owner ? owner : this);
    help->show();
}
