#include "fields/card_document.h"

#include "cardfile/card_writer.h"
#include "fields/card_recovery.h"
#include "fields/field_captions.h"
#include "fields/platform.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QLockFile>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kTextFilter = u"Текстові файли|*.txt"_s;
const QString kAllFilter = u"Усі файли|*.*"_s;

// "c:\" of the old program: the folder every open dialog starts in.
QString homeFolder()
{
    return QDir::homePath();
}

} // namespace

QString bareFileName(const QString &path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return path.mid(cut + 1);
}

QString separatorReport(const CardKind &kind, const CardModel &model)
{
    const QChar separator = QLatin1Char('\\');
    const FieldTable &table = kind.fields();
    // "поле з кодом 7021 «Шифр роботи» (сторінка «Реєстраційні дані»)"
    const auto title = [&table](const FieldInfo &info, const QString &language) {
        QString out = fieldCaptions::title(info) + language;
        if (info.page >= 0 && info.page < table.pages().size())
            out += u" (сторінка «%1»)"_s.arg(table.pages().at(info.page));
        return out;
    };

    QStringList problems;
    QSet<QString> reported; // code and text of each field named, so that the text it
                            // shows is not named again as its two-language text
    for (const FieldInfo &info : table.fields()) {
        const QString text = model.text(info.name);
        if (!text.contains(separator))
            continue;
        problems << title(info, QString());
        reported.insert(info.code + QChar(0) + text);
    }
    for (const BilingualText &bilingual : kind.bilingualTexts(model)) {
        const auto owner = std::find_if(table.fields().cbegin(), table.fields().cend(),
                                        [&](const FieldInfo &info) { return info.code == bilingual.code; });
        FieldInfo fallback;
        fallback.code = bilingual.code;
        fallback.page = -1;
        const FieldInfo &info = owner != table.fields().cend() ? *owner : fallback;
        const QList<std::pair<QString, QString>> texts = {{bilingual.uk, u", текст українською"_s},
                                                          {bilingual.en, u", текст англійською"_s}};
        for (const auto &[text, language] : texts) {
            if (text.contains(separator) && !reported.contains(bilingual.code + QChar(0) + text))
                problems << title(info, language);
        }
    }
    if (problems.isEmpty())
        return {};
    return u"Картку не записано: символ «\\» розділяє дані в рядку картки, тому його не може "
                          "бути в значенні поля.\n"_s
        + problems.join(QLatin1Char('\n'))
        + u"\nВилучіть його з цих полів (або замініть, наприклад, на «/») і запишіть картку ще раз."_s;
}

CardDocument::CardDocument(const CardKind &kind, QObject *parent)
    : QObject(parent), m_kind(kind), m_model(kind.createModel()), m_caption(kind.windowCaption())
{
}

CardDocument::~CardDocument() = default;

void CardDocument::setModified(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit stateChanged();
}

void CardDocument::markModified()
{
    m_modified = true;
    m_saveItem = false;
    m_printItem = false;
    emit stateChanged();
    emit changed();
}

void CardDocument::noteChange()
{
    setModified(true);
    emit changed();
}

void CardDocument::setSaveAndPrintEnabled(bool enabled)
{
    m_saveItem = m_printItem = m_saveButton = m_printButton = enabled;
    emit stateChanged();
}

void CardDocument::setSaveAndPrintButtonsEnabled(bool enabled)
{
    m_saveButton = m_printButton = enabled;
    emit stateChanged();
}

void CardDocument::setPrintButtonEnabled(bool enabled)
{
    m_printButton = enabled;
    emit stateChanged();
}

void CardDocument::setContinuationEnabled(bool enabled)
{
    m_continuation = m_continuationItem = enabled;
    emit stateChanged();
}

void CardDocument::setContinuationItemEnabled(bool enabled)
{
    m_continuationItem = enabled;
    emit stateChanged();
}

bool CardDocument::saveAs()
{
    return saveWithDialog() == SaveOutcome::Saved;
}

CardDocument::SaveOutcome CardDocument::saveWithDialog()
{
    if (m_saveCheck && !m_saveCheck())
        return SaveOutcome::Failed; // told; the card keeps its changes
    if (m_saveName.isEmpty())
        m_saveName = m_kind.defaultFileName();
    const QString folder = dialogFolder(userSettings::Dialog::Save);
    if (m_kind.saveFromHomeDir())
        QDir::setCurrent(folder);
    FileChoice choice;
    choice.filter = kTextFilter;
    choice.defaultSuffix = u"txt"_s;
    choice.initialName = m_saveName;
    // Without a remembered folder RK's save dialog starts wherever the current folder is.
    choice.directory = m_kind.saveFromHomeDir() || m_rememberFolders ? folder : QDir::currentPath();
    const QString path = Platform::instance().chooseSaveFile(choice);
    if (path.isEmpty())
        return SaveOutcome::Cancelled;
    if (m_rememberFolders)
        userSettings::rememberDialogFolder(m_kind.type(), userSettings::Dialog::Save, path);
    m_saveName = path;
    emit stateChanged();
    return saveTo(path) ? SaveOutcome::Saved : SaveOutcome::Failed;
}

bool CardDocument::saveTo(const QString &path)
{
    // Before the lines are built: building them stores the records shown into their
    // lists, where a "\" could no longer be told from the separators.
    if (const QString report = separatorReport(m_kind, *m_model); !report.isEmpty()) {
        Platform::instance().ioError(report);
        return false;
    }
    const QStringList lines = m_kind.fileLines(*m_model);
    // Building the lines stores the records shown, which may close up a list.
    emit modelReplaced();
    const WriteResult result = writeCardFile(path, lines);
    if (!result.ok) {
        Platform::instance().ioError(result.message);
        return false;
    }
    setModified(false);
    emit fileUsed(path);
    emit saved(path);
    return true;
}

bool CardDocument::savePrompt()
{
    while (m_modified) {
        const auto answer = Platform::instance().question(m_kind.promptCaption(),
                                                          u"Зберегти зміни в картці?"_s);
        if (answer == Platform::Answer::Cancel)
            return false;
        if (answer == Platform::Answer::No)
            setModified(false);
        else if (saveWithDialog() == SaveOutcome::Failed)
            return false; // reported; the card keeps its changes
    }
    return true;
}

bool CardDocument::confirmBeforeOpen()
{
    while (m_modified) {
        const auto answer = Platform::instance().confirm(m_kind.cardName(), u"Зберегти зміни в картці"_s);
        if (answer == Platform::Answer::Cancel)
            return false;
        if (answer == Platform::Answer::No)
            setModified(false);
        else if (saveWithDialog() == SaveOutcome::Failed)
            return false; // reported; the card keeps its changes
    }
    return true;
}

bool CardDocument::open()
{
    if (!confirmBeforeOpen())
        return false;
    setContinuationEnabled(false);

    const QString folder = dialogFolder(userSettings::Dialog::Open);
    QDir::setCurrent(folder);
    FileChoice choice;
    choice.filter = m_kind.openAllFiles() ? kAllFilter : kTextFilter;
    choice.defaultSuffix = m_kind.openDefaultTxt() ? u"txt"_s : QString();
    choice.directory = folder;
    QString path;
    for (;;) {
        path = Platform::instance().chooseOpenFile(choice);
        // A cancelled dialog abandons the open: the card on screen stays as it was.
        if (path.isEmpty())
            return false;
        if (QFileInfo(path).isFile())
            break;
        choice.initialName = path;
    }
    if (m_rememberFolders)
        userSettings::rememberDialogFolder(m_kind.type(), userSettings::Dialog::Open, path);
    openChosen(path);
    return true;
}

void CardDocument::openChosen(const QString &path)
{
    const ReadResult result = readFrom(path);
    if (!result.ok()) {
        if (result.status == ReadResult::Status::IoError)
            Platform::instance().ioError(result.message);
        else
            Platform::instance().message(result.message);
    }
}

void CardDocument::clearCard()
{
    m_kind.clearModel(*m_model);
    m_saveItem = m_printItem = m_saveButton = m_printButton = false;
    emit stateChanged();
}

QString CardDocument::dialogFolder(userSettings::Dialog dialog) const
{
    return m_rememberFolders ? userSettings::dialogFolder(m_kind.type(), dialog) : homeFolder();
}

void CardDocument::enableRecovery()
{
    if (!m_recovery)
        m_recovery = std::make_unique<CardRecovery>(*this);
}

ReadResult CardDocument::restoreFrom(const QString &path, std::unique_ptr<QLockFile> held)
{
    // Read into the new editor's card without clearing it: clearing sets a few fields
    // otherwise than a new editor does, and a save leaves some empty values out.
    auto interpreter = m_kind.interpreter(*m_model);
    const ReadResult result = readCardFile(path, *interpreter);
    m_kind.afterRead(*m_model);
    emit modelReplaced();
    emit opened();
    if (result.status == ReadResult::Status::IoError)
        return result;
    if (m_recovery)
        m_recovery->adopt(path, std::move(held));
    m_modified = true;
    emit stateChanged();
    return result;
}

ReadResult CardDocument::readFrom(const QString &path)
{
    clearCard();
    m_openedName = path;
    for (const QString &warning : m_kind.openWarnings(bareFileName(path)))
        Platform::instance().message(warning);
    // The path as the system writes it: C:\Users\... on Windows.
    m_caption = m_kind.openedCaption(QDir::toNativeSeparators(path));
    emit stateChanged();

    auto interpreter = m_kind.interpreter(*m_model);
    const ReadResult result = readCardFile(path, *interpreter);
    m_kind.afterRead(*m_model);
    // What was read stays, also when reading stopped early.
    m_modified = false;
    emit stateChanged();
    emit modelReplaced();
    emit opened();
    if (!result.warning.isEmpty())
        Platform::instance().message(result.warning);
    // A file that could not be read at all is no card to come back to, nor the name of
    // this one: the editor stays a new card, and a save never suggests the unread file.
    if (result.status == ReadResult::Status::IoError || !result.notACard.isEmpty()) {
        m_openedName.clear();
        m_caption = m_kind.windowCaption();
        emit stateChanged();
        return result;
    }
    emit fileUsed(path);
    return result;
}
