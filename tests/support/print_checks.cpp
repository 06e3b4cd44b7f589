#include "support/print_checks.h"

#include "fields/card_document.h"
#include "fields/card_kind.h"
#include "fields/card_model.h"
#include "print/dop_sheets.h"
#include "print/page_renderer.h"
#include "print/print_job.h"
#include "print/report_layouts.h"
#include "support/card_steps.h"
#include "support/fake_platform.h"
#include "print/text_wrap.h"

#include <QDir>
#include <QFontMetricsF>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace printChecks {

namespace {

// Where one printed line puts its glyphs, in band units.
QRectF lineBox(const PageElement &e, const QString &text, double top)
{
    const QFont font = elementFont(e);
    const QFontMetricsF fm(font);
    const double natural = textWidth(text, font);
    const double width = e.width > 0 ? std::min(natural, e.width) : natural;
    double left = e.left;
    if (e.align == PageElement::Align::Center && e.width > natural)
        left += (e.width - natural) / 2;
    return QRectF(left, top, width, fm.ascent() + fm.descent());
}

bool crosses(const FrameLine &f, const QRectF &box)
{
    const QRectF line = QRectF(QPointF(std::min(f.x1, f.x2), std::min(f.y1, f.y2)),
                               QPointF(std::max(f.x1, f.x2), std::max(f.y1, f.y2)))
                            .adjusted(-f.width / 2, -f.width / 2, f.width / 2, f.width / 2);
    return line.intersects(box);
}

} // namespace

namespace {
std::unique_ptr<PrintJob> g_lastPrint;
} // namespace

bool printCard(CardDocument &doc, FakePlatform &platform)
{
    platform.allowMessages();
    platform.expect(FakePlatform::Call::Preview);
    g_lastPrint = std::make_unique<PrintJob>(doc);
    return doc.kind().print(doc.model(), *g_lastPrint);
}

PrintJob &lastPrint()
{
    Q_ASSERT(g_lastPrint);
    return *g_lastPrint;
}

ReportLayouts &layouts()
{
    static ReportLayouts unprinted;
    if (g_lastPrint)
        return g_lastPrint->layouts();
    unprinted.createAll();
    return unprinted;
}

bool typeAndPrint(CardDocument &doc, FakePlatform &platform, const QStringList &typed)
{
    for (const QString &f : typed)
        doc.model().setFitted(f.section(QLatin1Char('='), 0, 0), f.section(QLatin1Char('='), 1));
    return printCard(doc, platform);
}

void addValueColumns()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QStringList>("expected");
}

void checkValuePrinted(const CardKind &kind, const std::function<QList<const PageLayout *>()> &printedPages)
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, fields);
    QFETCH(int, page);
    QFETCH(QString, element);
    QFETCH(QStringList, expected);
    ScopedFakePlatform platform;
    CardDocument doc(kind);
    cardSteps::open(kind, doc.model(), cardFileBytes(lines));
    QVERIFY(typeAndPrint(doc, platform, fields));
    const QList<const PageLayout *> pages = printedPages();
    QCOMPARE(printed(pages.at(page - 1)->at(element)), expected);
    QCOMPARE(platform.unexpected(), QStringList());
    QCOMPARE(lastPrint().state().sheetCount, 0);
    QCOMPARE(platform.previews(), QList<QList<const PageLayout *>>{pages});
    QCOMPARE(platform.messages(), QStringList()); // the preview's own buttons print
}

QStringList pageProblems(const PageLayout &layout, const QHash<QString, int> &valueLines, const QStringList &moreMemos)
{
    QStringList memos;
    for (const PageElement &e : layout.elements) {
        if (e.type == PageElement::Type::Memo && valueLines.contains(e.name))
            memos << e.name;
    }
    const auto lines = [&valueLines](const QString &memo) { return valueLines.value(memo); };
    return shortMemos(layout, memos, lines) + layoutProblems(layout, memos + moreMemos) + cutLabels(layout);
}

QStringList printed(const PageElement &e)
{
    return e.type == PageElement::Type::Label ? QStringList{e.text} : e.lines;
}

QStringList sheetLines(int sheet)
{
    return layouts().layout(dopSheets::layoutName(sheet)).at(dopSheets::textMemo()).lines;
}

QList<QRectF> inkBoxes(const PageElement &e)
{
    QList<QRectF> boxes;
    if (e.type == PageElement::Type::Label) {
        if (!e.text.trimmed().isEmpty())
            boxes << lineBox(e, e.text, e.top);
        return boxes;
    }
    const QFont font = elementFont(e);
    const double spacing = e.lineSpacing > 0 ? e.lineSpacing : lineSpacing(font);
    const int shown = std::min<int>(memoCapacity(e), int(e.lines.size()));
    for (int i = 0; i < shown; ++i) {
        if (!e.lines.at(i).trimmed().isEmpty())
            boxes << lineBox(e, e.lines.at(i), e.top + i * spacing);
    }
    return boxes;
}

QStringList layoutProblems(const PageLayout &l, const QStringList &fullMemos)
{
    const QRectF band(0, 0, l.bandWidth, l.bandHeight);
    QList<std::pair<QString, QRectF>> boxes;
    QStringList problems;
    for (const PageElement &e : l.elements) {
        if (fullMemos.contains(e.name) && memoCapacity(e) < e.lines.size())
            problems << e.name + u" hides lines"_s;
        for (const QRectF &b : inkBoxes(e))
            boxes.append({e.name, b});
    }
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        const auto &[name, box] = boxes.at(i);
        if (!band.contains(box))
            problems << name + u" leaves the band"_s;
        for (qsizetype j = i + 1; j < boxes.size(); ++j) {
            if (box.intersects(boxes.at(j).second))
                problems << name + u" / "_s + boxes.at(j).first;
        }
        for (const FrameLine &f : l.frames) {
            if (crosses(f, box))
                problems << name + u" / frame at y %1"_s.arg(f.y1);
        }
    }
    return problems;
}

QStringList shortMemos(const PageLayout &layout, const QStringList &memos,
                       const std::function<int(const QString &)> &valueLines)
{
    QStringList problems;
    for (const QString &name : memos) {
        const PageElement &memo = layout.at(name);
        if (memo.height <= 0 || memoCapacity(memo) < valueLines(name) + 1)
            problems << name + u" is too low"_s;
    }
    return problems;
}

QStringList blocksOutOfOrder(const QStringList &placed, const QStringList &headings)
{
    QStringList problems;
    qsizetype previous = -1;
    for (const QString &h : headings) {
        const qsizetype at = placed.indexOf(h, previous + 1);
        if (at < 1 || !placed.at(at - 1).isEmpty())
            problems << h;
        else
            previous = at;
    }
    return problems;
}

QHash<QString, QString> fieldTexts(const CardModel &model)
{
    QHash<QString, QString> texts;
    for (const FieldInfo &f : model.table().fields())
        texts.insert(f.name, model.text(f.name));
    return texts;
}

QStringList changedFields(const CardModel &model, const QHash<QString, QString> &before)
{
    QStringList changed;
    for (const FieldInfo &f : model.table().fields()) {
        if (model.text(f.name) != before.value(f.name))
            changed << f.name;
    }
    return changed;
}

QStringList cutLabels(const PageLayout &layout)
{
    QStringList problems;
    for (const PageElement &e : layout.elements) {
        if (e.type == PageElement::Type::Label && e.width > 0 && textWidth(e.text, elementFont(e)) > e.width)
            problems << e.name + u" cuts "_s + e.text;
    }
    return problems;
}

QString longText(const QString &word, int words)
{
    QStringList parts;
    for (int i = 1; i <= words; ++i)
        parts << word + QString::number(i);
    return parts.join(QLatin1Char(' '));
}

QString renderAndRead(const QList<const PageLayout *> &pages, const QString &stem, QString *error)
{
    QTemporaryDir temp;
    QString dir = qEnvironmentVariable("ZORVAT_RENDER_DIR");
    if (dir.isEmpty() || !QDir().mkpath(dir))
        dir = temp.path();
    const QString pdf = dir + QLatin1Char('/') + stem + u".pdf"_s;
    if (!writePdf(pages, pdf, error))
        return {};
    for (const PageLayout *p : pages) {
        const QImage image = renderPage(*p, 150);
        if (image.isNull() || !image.save(dir + QLatin1Char('/') + stem + QLatin1Char('-') + p->name() + u".png"_s)) {
            *error = u"image of "_s + p->name() + u" not written"_s;
            return {};
        }
    }

    const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (pdftotext.isEmpty()) {
        *error = u"pdftotext (poppler-utils) is needed to read the PDF back"_s;
        return {};
    }
    QProcess run;
    run.start(pdftotext, {u"-enc"_s, u"UTF-8"_s, pdf, u"-"_s});
    if (!run.waitForFinished(30000) || run.exitCode() != 0) {
        *error = u"pdftotext failed on "_s + pdf;
        return {};
    }
    return QString::fromUtf8(run.readAllStandardOutput()).simplified();
}

bool canReadPdfText()
{
    return QSysInfo::productType() != QLatin1String("windows");
}

QStringList missingFromPdf(const QList<const PageLayout *> &pages, const QString &stem, const QStringList &values)
{
    QString error;
    const QString text = renderAndRead(pages, stem, &error);
    if (!error.isEmpty())
        return {error};
    QStringList missing;
    for (const QString &v : values) {
        if (!text.contains(v.simplified()))
            missing << v;
    }
    return missing;
}

QStringList missingInOrderFromPdf(const QList<const PageLayout *> &pages, const QString &stem,
                                  const QList<QStringList> &sequences)
{
    QString error;
    const QString text = renderAndRead(pages, stem, &error);
    if (!error.isEmpty())
        return {error};
    static const QRegularExpression blanks(u"\\s+"_s);
    QStringList missing;
    for (const QStringList &pieces : sequences) {
        qsizetype from = 0;
        for (const QString &piece : pieces) {
            // Blanks squeezed as in the text, but kept at the ends: "опис1 " is not "опис10".
            const QString squeezed = QString(piece).replace(blanks, u" "_s);
            const qsizetype at = text.indexOf(squeezed, from);
            if (at < 0)
                missing << piece;
            else
                from = at + squeezed.size();
        }
    }
    return missing;
}

QList<const PageLayout *> bothJobs(FakePlatform &platform)
{
    QList<const PageLayout *> pages = platform.previews().value(0);
    platform.clear();
    platform.allowMessages();
    platform.expect(FakePlatform::Call::Preview);
    lastPrint().printContinuation();
    return pages + platform.previews().value(0);
}

} // namespace printChecks
