#include "cli/cli_commands.h"

#include "cardfile/card_reader.h"
#include "cli/card_check.h"
#include "cli/card_json.h"
#include "cli/console_platform.h"
#include "fields/card_document.h"
#include "fields/card_kind.h"
#include "print/page_renderer.h"
#include "print/print_job.h"
#include "print/report_layouts.h"
#include "zorvat_version.h"

#include <cstdio>

namespace {

constexpr int kOk = 0;
constexpr int kProblems = 1;
constexpr int kUsage = 2;

struct Command
{
    const char *name;
    const char *usage;
    const char *help;
    int files;         // files after the options; -1: one or more
    bool typed;        // takes --type
};

const Command kCommands[] = {
    {"new", "zorvat-card new [--type T] OUT",
     "Записує у файл OUT картку, яку записує щойно відкрите вікно картки типу T.", 1, true},
    {"resave", "zorvat-card resave [--type T] IN OUT",
     "Відкриває IN так, як його відкриває вікно картки типу T, і записує картку в OUT так, як її\n"
     "записує це вікно (рядки у порядку та формі картки). Повідомлення відкриття - у stderr.\n"
     "Стан 1, якщо читання файлу зупинилося на помилці (прочитане до неї записано).",
     2, true},
    {"show", "zorvat-card show [--type T] IN",
     "Відкриває IN і виводить картку у форматі JSON (UTF-8): поля, двомовні тексти, списки.", 1, true},
    {"pdf", "zorvat-card pdf [--type T] IN OUT.pdf",
     "Відкриває IN і друкує картку так, як її друкує «Друк», в один файл PDF: сторінки картки,\n"
     "потім усі заповнені листи продовження.",
     2, true},
    {"check", "zorvat-card check IN...",
     "Перевіряє файли карток і повідомляє, що треба виправити перед відправленням: байти, що не є\n"
     "текстом CP1251, рядки без коду, коди, яких немає в жодній картці, нечислові значення там, де\n"
     "потрібне число, номери записів поза межами. Стан 0 - усі файли без помилок, 1 - є помилки.",
     -1, false},
};

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QString programHelp()
{
    QString text = QStringLiteral(
        "zorvat-card - пакетна робота з файлами карток ЗОРВАТ без вікон.\n\n"
        "Команди:\n");
    for (const Command &c : kCommands)
        text += QStringLiteral("  ") + u(c.usage) + QLatin1Char('\n');
    text += QStringLiteral(
        "\nT - тип картки: rk, ok, okd або ik. Без --type тип визначається за початком імені файлу\n"
        "(RK, OK, OKD, IK, великими чи малими літерами).\n"
        "zorvat-card КОМАНДА --help - опис команди; zorvat-card --version - версія програми.\n"
        "Стан завершення: 0 - виконано, 1 - знайдено помилки, 2 - помилка виклику або файлу.");
    return text;
}

QString commandHelp(const Command &c)
{
    return QStringLiteral("Виклик: ") + u(c.usage) + QStringLiteral("\n\n") + u(c.help);
}

int usageError(const QString &text)
{
    printError(QStringLiteral("zorvat-card: ") + text);
    printError(QStringLiteral("Довідка: zorvat-card --help"));
    return kUsage;
}

bool readInto(CardDocument &doc, const QString &path, int *status)
{
    // Checked before the card is cleared and the file's name is looked at.
    if (const QString reason = unreadableReason(path); !reason.isEmpty()) {
        printError(readFailureMessage(path, reason));
        *status = kUsage;
        return false;
    }
    const ReadResult r = doc.readFrom(path);
    if (r.status == ReadResult::Status::IoError) {
        printError(r.message);
        *status = kUsage;
        return false;
    }
    if (!r.ok()) {
        printError(r.message);
        *status = kProblems;
    }
    return true;
}

int runCheck(const QStringList &files)
{
    int status = kOk;
    for (const QString &path : files) {
        QByteArray bytes;
        QString failure;
        if (!readCardFileBytes(path, &bytes, &failure)) {
            printError(failure);
            status = kUsage;
            continue;
        }
        const CardKind *kind = cardKindOfFileName(path);
        const QList<CheckProblem> problems = checkCardBytes(bytes, kind ? *kind : likelyKind(bytes));
        for (const CheckProblem &p : problems)
            printOut(QStringLiteral("%1:%2: %3").arg(path).arg(p.line).arg(p.text));
        if (!problems.isEmpty() && status == kOk)
            status = kProblems;
    }
    return status;
}

int runPdf(CardDocument &doc, ConsolePlatform &platform, const QString &out, int status)
{
    ReportLayouts::instance().createAll();
    PrintJob job(doc);
    if (!doc.kind().print(doc.model(), job)) {
        printError(QStringLiteral("zorvat-card: друк картки «%1» ще не підтримується").arg(doc.kind().cardName()));
        return kUsage;
    }
    if (doc.continuationEnabled())
        job.printContinuation();
    QList<const PageLayout *> pages;
    for (const auto &preview : platform.previews())
        pages += preview;
    QString error;
    if (!writePdf(pages, out, &error)) {
        printError(error);
        return kUsage;
    }
    return status;
}

} // namespace

int runCli(const QStringList &argsIn)
{
    QStringList args = argsIn;
    if (args.isEmpty())
        return usageError(QStringLiteral("не вказано команду"));
    if (args.constFirst() == QLatin1String("--help") || args.constFirst() == QLatin1String("-h")) {
        printOut(programHelp());
        return kOk;
    }
    if (args.constFirst() == QLatin1String("--version") || args.constFirst() == QLatin1String("-v")) {
        printOut(QStringLiteral("zorvat-card " ZORVAT_VERSION "\n" ZORVAT_LICENCE_NOTICE).chopped(1));
        return kOk;
    }
    const QString name = args.takeFirst();
    const Command *command = nullptr;
    for (const Command &c : kCommands) {
        if (name == QLatin1String(c.name))
            command = &c;
    }
    if (!command)
        return usageError(QStringLiteral("невідома команда «%1»").arg(name));

    QString type;
    QStringList files;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            printOut(commandHelp(*command));
            return kOk;
        }
        if (command->typed && a == QLatin1String("--type")) {
            if (i + 1 >= args.size())
                return usageError(QStringLiteral("після --type треба вказати тип: rk, ok, okd або ik"));
            type = args.at(++i);
        } else if (command->typed && a.startsWith(QLatin1String("--type="))) {
            type = a.mid(7);
        } else if (a.startsWith(QLatin1String("--")) && a.size() > 2) {
            return usageError(QStringLiteral("невідомий параметр «%1»").arg(a));
        } else {
            files << a;
        }
    }
    if (command->files < 0 ? files.isEmpty() : files.size() != command->files)
        return usageError(QStringLiteral("виклик: ") + u(command->usage));

    if (name == QLatin1String("check"))
        return runCheck(files);

    const CardKind *kind = nullptr;
    if (!type.isEmpty()) {
        kind = cardKindById(type);
        if (!kind)
            return usageError(QStringLiteral("невідомий тип картки «%1»: має бути rk, ok, okd або ik").arg(type));
    } else {
        kind = cardKindOfFileName(files.constFirst());
        if (!kind)
            return usageError(QStringLiteral("тип картки не видно з імені файлу «%1»; вкажіть --type rk, ok, okd або ik")
                                  .arg(bareFileName(files.constFirst())));
    }

    ConsolePlatform platform;
    Platform *previous = Platform::install(&platform);
    struct Restore
    {
        Platform *p;
        ~Restore() { Platform::install(p); }
    } restore{previous};

    CardDocument doc(*kind);
    int status = kOk;
    if (name == QLatin1String("new"))
        return doc.saveTo(files.at(0)) ? kOk : kUsage;
    if (!readInto(doc, files.at(0), &status))
        return status;
    if (name == QLatin1String("resave"))
        return doc.saveTo(files.at(1)) ? status : kUsage;
    if (name == QLatin1String("show")) {
        std::fputs(cardJson(*kind, doc.model()).constData(), stdout);
        return status;
    }
    return runPdf(doc, platform, files.at(1), status);
}
