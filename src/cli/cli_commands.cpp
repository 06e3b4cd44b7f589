#include "cli/cli_commands.h"

#include "cardfile/card_reader.h"
#include "cli/card_check.h"
#include "cli/card_json.h"
#include "cli/console_platform.h"
#include "cli/orgs_command.h"
#include "fields/card_document.h"
#include "fields/card_kind.h"
#include "fields/transliteration.h"
#include "print/page_renderer.h"
#include "print/print_job.h"
#include "system/console.h"
#include "zorvat_version.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScopeGuard>

#include <algorithm>
#include <cstdio>
#include <functional>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <sys/stat.h>
#endif

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kOk = 0;
constexpr int kProblems = 1;
constexpr int kUsage = 2;

// What the command line asked of a command: its files and options.
struct Invocation
{
    QStringList files;
    QString type;
    bool force = false;
    bool json = false;
};

int runNew(const Invocation &call);
int runResave(const Invocation &call);
int runShow(const Invocation &call);
int runPdfCommand(const Invocation &call);
int runCheckCommand(const Invocation &call);
int runTranslit(const Invocation &call);
int runOrgsCommand(const Invocation &call);

struct Command
{
    const char *name;
    const char *usage;
    const char *help;
    int files;         // files after the options; -1: one or more
    bool typed;        // takes --type
    bool forced;       // takes --force
    bool json;         // takes --json
    int (*run)(const Invocation &call);
};

const Command kCommands[] = {
    {"new", "zorvat-card new [--type T] [--force] OUT",
     "Записує у файл OUT картку, яку записує щойно відкрите вікно картки типу T. Наявний файл OUT\n"
     "не замінює (стан 2), хіба що вказано --force.",
     1, true, true, false, runNew},
    {"resave", "zorvat-card resave [--type T] [--force] IN OUT",
     "Відкриває IN так, як його відкриває вікно картки типу T, і записує картку в OUT так, як її\n"
     "записує це вікно (рядки у порядку та формі картки). Повідомлення відкриття - у stderr, серед\n"
     "них - скільки рядків не прочитано (які саме й чому, покаже check).\n"
     "Стан 1, якщо читання файлу зупинилося на помилці (прочитане до неї записано). Файл, що не\n"
     "схожий на картку, не записує (стан 1). Поверх самого IN, у якому щось не прочитано, не\n"
     "записує (стан 2), хіба що вказано --force.",
     2, true, true, false, runResave},
    {"show", "zorvat-card show [--type T] IN",
     "Відкриває IN і виводить картку у форматі JSON (UTF-8): поля, двомовні тексти, списки.\n"
     "Для файлу, що не схожий на картку, нічого не виводить (стан 1).",
     1, true, false, false, runShow},
    {"pdf", "zorvat-card pdf [--type T] [--force] IN OUT.pdf",
     "Відкриває IN і друкує картку так, як її друкує «Друк», в один файл PDF: сторінки картки,\n"
     "потім усі заповнені листи продовження. Не пише PDF на місце самої картки IN (стан 2);\n"
     "наявний файл OUT, що не є PDF, замінює лише з --force. Для файлу, що не схожий на картку,\n"
     "PDF не пише (стан 1).",
     2, true, true, false, runPdfCommand},
    {"check", "zorvat-card check [--json] IN...",
     "Перевіряє файли карток і повідомляє, що треба виправити перед відправленням, рядок за\n"
     "рядком: файл, що не схожий на картку; байти, що не є текстом CP1251; кінці рядків, інші\n"
     "ніж CR LF; і кожен рядок, якого картка не прочитає або не збереже повністю (без коду, з кодом\n"
     "іншої картки, нечислове значення там, де потрібне число, номер запису чи мовний код поза\n"
     "межами, значення, яке замінює пізніший рядок, запис після пропуску в списку). Потім\n"
     "кожне значення перевіряється правилами вікна картки, як «Перевірити картку» (F9): дати,\n"
     "коди та їх довжина, обов'язкові поля й тексти англійською, записи списків.\n"
     "IN може бути текою: тоді перевіряються всі файли карток у ній і в її підтеках, тип - за\n"
     "початком імені (RK, OK, OKD, IK). З --json виводить масив JSON (UTF-8), один об'єкт на\n"
     "проблему: file, line (0 - файл загалом або порожнє значення), code, field, entry (запис\n"
     "списку, як «Замовник 2»), check (form - будова файлу, rules - правила значень), severity\n"
     "(error або warning), message.\n"
     "Стан 0 - усі файли без помилок (попередження виводяться, але стану не змінюють), 1 - є\n"
     "помилки.",
     -1, false, false, true, runCheckCommand},
    {"translit", "zorvat-card translit ТЕКСТ...",
     "Виводить ТЕКСТ латиницею за таблицею транслітерації українського алфавіту (постанова\n"
     "Кабінету Міністрів України № 55 від 27 січня 2010 р.), як «Транслітерувати» у вікні картки:\n"
     "Згурський - Zghurskyi, Їжакевич - Yizhakevych, Знам'янка - Znamianka. Кілька аргументів\n"
     "з'єднуються пропуском. Латинські літери, цифри та знаки лишаються як є. Літери, яких немає\n"
     "в українській абетці (ы, э, ё, ъ), теж лишаються як є, і про них сказано в stderr (стан 1).",
     -1, false, false, false, runTranslit},
    {"orgs", "zorvat-card orgs import DIR... | orgs list [--json] | orgs export FILE.csv",
     "Довідник організацій - той самий, що пропонує організації у вікнах карток (файл\n"
     "organisations.sqlite у теці даних користувача, ~/.local/share/ЗОРВАТ).\n"
     "import DIR... - читає всі файли карток (RK, OK, OKD, IK) у теках і підтеках (або названі\n"
     "файли) і запам'ятовує їхні організації: виконавців, замовників, співвиконавців, власників,\n"
     "організації ОКД. Організація з кількох карток отримує значення найновішої картки; порожнє\n"
     "значення не стирає запам'ятованого. Стан 1, якщо якийсь файл прочитати не вдалося.\n"
     "list - виводить довідник, одна організація на рядок, поля через табуляцію: вид (1 -\n"
     "юридична особа, 2 - фізична), код, повне і скорочене найменування, місто, місцезнаходження,\n"
     "телефон, e-mail, підпорядкованість; табуляція, кінець рядка і NUL у значенні виводяться як\n"
     "\\t, \\n, \\r, \\0, а \\ - як \\\\. З --json - масив JSON (UTF-8) з тими самими полями та\n"
     "savedAt (коли записано) і source (файл картки).\n"
     "export FILE.csv - записує довідник у файл CSV (UTF-8, кома, перший рядок - назви полів).\n"
     "Значення, що починається з =, +, -, @ (чи з табуляції), записується з апострофом попереду,\n"
     "щоб електронна таблиця не виконала його як формулу; таблиця апострофа не показує.\n"
     "Стан 2, якщо довідник недоступний (файл пошкоджено, зайнято чи лише для читання).\n"
     "Змінна середовища ZORVAT_DATA_DIR називає іншу теку довідника, ніж теку даних користувача.",
     -1, false, false, true, runOrgsCommand},
};

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QString programHelp()
{
    QString text = u"zorvat-card - пакетна робота з файлами карток ЗОРВАТ без вікон.\n\n"
        "Команди:\n"_s;
    for (const Command &c : kCommands)
        text += u"  "_s + u(c.usage) + QLatin1Char('\n');
    text += u"\nT - тип картки: rk, ok, okd або ik. Без --type тип визначається за початком імені файлу\n"
        "(RK, OK, OKD, IK або РК, ОК, ОКД, ІК, великими чи малими літерами).\n"
        "zorvat-card КОМАНДА --help - опис команди; zorvat-card --version - версія програми.\n"
        "Наявний файл zorvat-card без --force не знищує: new не замінює файл, pdf не пише на місце\n"
        "картки, resave не пише поверх картки, у якій щось не прочитано.\n"
        "Стан завершення: 0 - виконано, 1 - знайдено помилки, 2 - помилка виклику або файлу."_s;
    return text;
}

QString commandHelp(const Command &c)
{
    return u"Виклик: "_s + u(c.usage) + u"\n\n"_s + u(c.help);
}

int usageError(const QString &text)
{
    printError(u"zorvat-card: "_s + text);
    printError(u"Довідка: zorvat-card --help"_s);
    return kUsage;
}

// Opens `path` as the window does; its messages (what was not read among them) go to
// standard error. False when there is no card to go on with.
bool readInto(CardDocument &doc, const QString &path, int *status, ReadResult *result)
{
    // Checked before the card is cleared and the file's name is looked at.
    if (const QString reason = unreadableReason(path); !reason.isEmpty()) {
        printError(readFailureMessage(path, reason));
        *status = kUsage;
        return false;
    }
    *result = doc.readFrom(path);
    const ReadResult &r = *result;
    if (r.status == ReadResult::Status::IoError) {
        printError(r.message);
        *status = kUsage;
        return false;
    }
    if (!r.notACard.isEmpty()) {
        // The open said so; a blank card made of it is worth neither a file nor a print.
        *status = kProblems;
        return false;
    }
    if (!r.ok()) {
        printError(r.message);
        *status = kProblems;
    }
    return true;
}

// One file under two names (a link, "./", another spelling of the path) is still one.
bool sameFile(const QString &a, const QString &b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (!first.exists() || !second.exists())
        return false;
#ifdef Q_OS_UNIX
    struct stat sa = {};
    struct stat sb = {};
    if (stat(QFile::encodeName(a).constData(), &sa) == 0 && stat(QFile::encodeName(b).constData(), &sb) == 0)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
#endif
    return first.canonicalFilePath() == second.canonicalFilePath();
}

// Card files under `folder` whose names the system's encoding (UTF-8) cannot give: Qt
// passes over such names, so they are looked for here, to be named rather than skipped.
QStringList undecodableCardFiles(const QString &folder)
{
    QStringList names;
#ifdef Q_OS_UNIX
    QStringList folders{folder};
    QDirIterator sub(folder, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (sub.hasNext())
        folders << sub.next();
    for (const QString &dir : std::as_const(folders)) {
        DIR *d = opendir(QFile::encodeName(dir).constData());
        if (!d)
            continue;
        while (const dirent *e = readdir(d)) {
            const QByteArray raw(e->d_name);
            const QString name = QFile::decodeName(raw);
            if (QFile::encodeName(name) != raw && cardKindOfFileName(name))
                names << dir + u'/' + name;
        }
        closedir(d);
    }
#else
    Q_UNUSED(folder);
#endif
    return names;
}

// The files `check` looks at: those named, and every card file under a folder named,
// in name order. False when a folder holds none.
QStringList checkedFiles(const QStringList &args, int *status)
{
    QStringList files;
    for (const QString &arg : args) {
        if (!QFileInfo(arg).isDir()) {
            files << arg;
            continue;
        }
        QStringList found;
        // System too: a card-named link that leads nowhere, or a name the system cannot
        // decode, is reported by the reading instead of passed over in silence.
        QDirIterator it(arg, QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (cardKindOfFileName(path) && !it.fileInfo().isDir())
                found << path;
        }
        const QStringList undecodable = undecodableCardFiles(arg);
        for (const QString &path : undecodable) {
            printError(readFailureMessage(path, u"ім'я файлу записане не в кодуванні системи (UTF-8); "
                                                               "перейменуйте файл"_s));
            *status = kUsage;
        }
        if (found.isEmpty() && undecodable.isEmpty()) {
            printError(u"zorvat-card: у теці «%1» немає файлів карток (їхні імена починаються з RK, OK, "
                                      "OKD або IK)"_s
                           .arg(arg));
            *status = kUsage;
        }
        std::sort(found.begin(), found.end());
        files << found;
    }
    return files;
}

int runCheck(const QStringList &args, bool json)
{
    int status = kOk;
    QJsonArray all;
    for (const QString &path : checkedFiles(args, &status)) {
        QByteArray bytes;
        QString failure;
        if (!readCardFileBytes(path, &bytes, &failure)) {
            printError(failure);
            status = kUsage;
            continue;
        }
        const CardKind *named = cardKindOfFileName(path);
        const CardKind &kind = named ? *named : likelyKind(bytes);
        const QList<CheckProblem> problems = checkCardBytes(bytes, kind);
        for (const CheckProblem &p : problems) {
            if (json) {
                all.append(QJsonObject{
                    {u"file"_s, path},
                    {u"line"_s, p.line},
                    {u"code"_s, p.code},
                    {u"field"_s, p.field.isEmpty() ? checkFieldName(kind, p.code) : p.field},
                    {u"entry"_s, p.entry},
                    {u"check"_s, p.rule ? u"rules"_s : u"form"_s},
                    {u"severity"_s, p.severity == CheckProblem::Severity::Error ? u"error"_s
                                                                                             : u"warning"_s},
                    {u"message"_s, p.text}});
            } else if (p.line > 0) {
                printOut(u"%1:%2: %3"_s.arg(path).arg(p.line).arg(p.text));
            } else {
                printOut(u"%1: %2"_s.arg(path, p.text));
            }
        }
        // Warnings are printed, but only an error makes the card one to mend (status 1).
        const bool errors = std::any_of(problems.cbegin(), problems.cend(), [](const CheckProblem &p) {
            return p.severity == CheckProblem::Severity::Error;
        });
        if (errors && status == kOk)
            status = kProblems;
    }
    if (json)
        console::write(stdout, QJsonDocument(all).toJson(QJsonDocument::Indented));
    return status;
}

int runPdf(CardDocument &doc, ConsolePlatform &platform, const QString &out, int status)
{
    PrintJob job(doc);
    if (!doc.kind().print(doc.model(), job)) {
        printError(u"zorvat-card: друк картки «%1» ще не підтримується"_s.arg(doc.kind().cardName()));
        return kUsage;
    }
    if (doc.continuationEnabled())
        job.printContinuation();
    QList<const PageLayout *> pages;
    for (const auto &preview : platform.previews())
        pages += preview;
    QString error;
    if (!writePdf(pages, out, &error, PrintJob::documentTitle(doc, doc.openedName()))) {
        printError(error);
        return kUsage;
    }
    return status;
}

int runCheckCommand(const Invocation &call)
{
    return runCheck(call.files, call.json);
}

int runOrgsCommand(const Invocation &call)
{
    return runOrgs(call.files, call.json);
}

int runTranslit(const Invocation &call)
{
    const QString text = call.files.join(QLatin1Char(' '));
    printOut(transliterate(text));
    if (const QString foreign = foreignCyrillic(text); !foreign.isEmpty()) {
        printError(u"zorvat-card: літер %1 немає в українській абетці; вони лишилися як є"_s.arg(foreign));
        return kProblems;
    }
    return kOk;
}

// What a card command does with the card once it is open (or, for new, made).
using CardAction = std::function<int(CardDocument &doc, ConsolePlatform &platform, int status, const ReadResult &read)>;

// The card commands' common part: the card type from --type or from the file's name, the
// console in place of the windows' dialogs, the card read from the first file (unless
// `read` is false) and then `act`.
int withCard(const Invocation &call, bool read, const CardAction &act)
{
    const CardKind *kind = nullptr;
    if (!call.type.isEmpty()) {
        kind = cardKindById(call.type);
        if (!kind)
            return usageError(u"невідомий тип картки «%1»: має бути rk, ok, okd або ik"_s.arg(call.type));
    } else {
        kind = cardKindOfFileName(call.files.constFirst());
        if (!kind)
            return usageError(u"тип картки не видно з імені файлу «%1»; вкажіть --type rk, ok, okd або ik"_s
                                  .arg(bareFileName(call.files.constFirst())));
    }
    ConsolePlatform platform;
    Platform *previous = Platform::install(&platform);
    const auto restore = qScopeGuard([previous] { Platform::install(previous); });
    CardDocument doc(*kind);
    int status = kOk;
    ReadResult result;
    if (read && !readInto(doc, call.files.at(0), &status, &result))
        return status;
    return act(doc, platform, status, result);
}

// Nothing is replaced that the call may not have meant: a filled card by a blank one,
// a card by its own print or by some other file.
int runNew(const Invocation &call)
{
    const QString &out = call.files.constFirst();
    const QFileInfo outInfo(out);
    if (outInfo.exists() && !outInfo.isDir() && !call.force) {
        printError(u"zorvat-card: файл «%1» уже є, і new його не замінює; щоб замінити його новою "
                                  "карткою, додайте --force"_s
                       .arg(out));
        return kUsage;
    }
    return withCard(call, false, [&out](CardDocument &doc, ConsolePlatform &, int, const ReadResult &) {
        return doc.saveTo(out) ? kOk : kUsage;
    });
}

int runResave(const Invocation &call)
{
    return withCard(call, true, [&call](CardDocument &doc, ConsolePlatform &, int status, const ReadResult &read) {
        const QString &in = call.files.at(0);
        const QString &out = call.files.at(1);
        const bool partial = !read.notes.isEmpty() || read.status == ReadResult::Status::ConversionError;
        if (partial && !call.force && sameFile(in, out)) {
            printError(u"zorvat-card: «%1» не перезаписано: частину рядків не прочитано, і запис "
                                      "поверх файлу їх знищить. Запишіть картку в інший файл або додайте --force."_s
                           .arg(out));
            return kUsage;
        }
        return doc.saveTo(out) ? status : kUsage;
    });
}

int runShow(const Invocation &call)
{
    return withCard(call, true, [](CardDocument &doc, ConsolePlatform &, int status, const ReadResult &) {
        console::write(stdout, cardJson(doc.kind(), doc.model()));
        return status;
    });
}

int runPdfCommand(const Invocation &call)
{
    const QString &out = call.files.at(1);
    const QFileInfo outInfo(out);
    if (sameFile(call.files.at(0), out)) {
        printError(u"zorvat-card: «%1» - це сама картка, яку треба надрукувати; вкажіть для PDF "
                                  "інший файл"_s
                       .arg(out));
        return kUsage;
    }
    // Looked at and closed again before the PDF replaces it: Windows replaces no file
    // that is still open.
    const bool otherFile = [&] {
        QFile existing(out);
        return outInfo.isFile() && !call.force && existing.open(QIODevice::ReadOnly) && existing.size() > 0
            && !existing.read(5).startsWith("%PDF-");
    }();
    if (otherFile) {
        printError(u"zorvat-card: файл «%1» уже є, і це не PDF; щоб замінити його, додайте --force"_s
                       .arg(out));
        return kUsage;
    }
    return withCard(call, true, [&out](CardDocument &doc, ConsolePlatform &platform, int status, const ReadResult &) {
        return runPdf(doc, platform, out, status);
    });
}

} // namespace

int runCli(const QStringList &argsIn)
{
    QStringList args = argsIn;
    if (args.isEmpty())
        return usageError(u"не вказано команду"_s);
    if (args.constFirst() == QLatin1String("--help") || args.constFirst() == QLatin1String("-h")) {
        printOut(programHelp());
        return kOk;
    }
    if (args.constFirst() == QLatin1String("--version") || args.constFirst() == QLatin1String("-v")) {
        printOut(QString::fromUtf8("zorvat-card " ZORVAT_VERSION "\n" ZORVAT_LICENCE_NOTICE).chopped(1));
        return kOk;
    }
    const QString name = args.takeFirst();
    const Command *command = nullptr;
    for (const Command &c : kCommands) {
        if (name == QLatin1String(c.name))
            command = &c;
    }
    if (!command)
        return usageError(u"невідома команда «%1»"_s.arg(name));

    Invocation call;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            printOut(commandHelp(*command));
            return kOk;
        }
        if (command->forced && a == QLatin1String("--force")) {
            call.force = true;
        } else if (command->json && a == QLatin1String("--json")) {
            call.json = true;
        } else if (command->typed && a == QLatin1String("--type")) {
            if (i + 1 >= args.size())
                return usageError(u"після --type треба вказати тип: rk, ok, okd або ik"_s);
            call.type = args.at(++i);
        } else if (command->typed && a.startsWith(QLatin1String("--type="))) {
            call.type = a.mid(7);
        } else if (a.startsWith(QLatin1String("--")) && a.size() > 2) {
            return usageError(u"невідомий параметр «%1»"_s.arg(a));
        } else {
            call.files << a;
        }
    }
    if (command->files < 0 ? call.files.isEmpty() : call.files.size() != command->files)
        return usageError(u"виклик: "_s + u(command->usage));
    return command->run(call);
}
