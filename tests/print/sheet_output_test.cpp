#include "ink.h"
#include "print/dop_sheets.h"
#include "print/page_renderer.h"
#include "print/report_layouts.h"
#include "print/text_wrap.h"
#include "support/print_checks.h"
#include "support/test_registry.h"
#include "zorvat_version.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QProcess>
#include <QRawFont>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A line as wide as the sheets' text memo allows.
QString fullLine(int number, const QFont &font)
{
    QString line = u"%1. Продовження значення реквізиту:"_s.arg(number);
    while (textWidth(line + u" ґанок"_s, font) <= dopSheets::kTextWidth)
        line += u" ґанок"_s;
    return line;
}

// Fills a sheet with the most it ever holds: sheet 1 its heading, a three-line title,
// 57 lines and the closing empty line; the other sheets 63 lines; a two-digit number.
void fill(PageLayout &sheet, int number)
{
    PageElement &text = sheet.at(dopSheets::textMemo());
    const QFont font = elementFont(text);
    const int lines = number == 1 ? dopSheets::kFirstSheetLines : dopSheets::kLaterSheetLines;
    text.lines.clear();
    for (int i = 1; i <= lines; ++i)
        text.lines << fullLine(i, font);
    sheet.at(dopSheets::number()).text = QString::number(number == 1 ? 10 : number);
    if (number == 1) {
        text.lines << QString();
        sheet.at(dopSheets::heading()).text = u"Продовження 1   (с.1-10)"_s;
        sheet.at(dopSheets::titleCaption2()).text = u"продукції"_s;
        PageElement &title = sheet.at(dopSheets::titleMemo());
        title.lines = wrapText(u"Розроблення технології отримання жаростійких покриттів "
                                              "для лопаток газотурбінних двигунів нового покоління з "
                                              "підвищеним ресурсом"_s,
                               title.width, elementFont(title));
    }
}

// Where an element puts ink, in band units.
QRectF painted(const PageElement &e)
{
    const QFont font = elementFont(e);
    const QFontMetricsF fm(font);
    const double glyphs = fm.ascent() + fm.descent();
    if (e.type == PageElement::Type::Label) {
        const double w = textWidth(e.text.trimmed(), font);
        return QRectF(e.left, e.top, e.width > 0 ? std::min(w, e.width) : w, e.text.trimmed().isEmpty() ? 0 : glyphs);
    }
    const int shown = std::min<int>(memoCapacity(e), int(e.lines.size()));
    if (shown == 0)
        return {};
    return QRectF(e.left, e.top, e.width, (shown - 1) * lineSpacing(font) + glyphs);
}

QString outputDir(QTemporaryDir &temp)
{
    const QString wanted = qEnvironmentVariable("ZORVAT_RENDER_DIR");
    if (!wanted.isEmpty() && QDir().mkpath(wanted))
        return wanted;
    return temp.path();
}

} // namespace

class SheetOutputTest : public QObject
{
    Q_OBJECT
private slots:
    void fullSheetHasNoOverlaps_data()
    {
        QTest::addColumn<int>("sheet");
        // The sheets made at start and two a long print makes.
        for (int n = 1; n <= dopSheets::kSheetsAtStart + 2; ++n)
            QTest::addRow("%s", qPrintable(dopSheets::layoutName(n))) << n;
    }
    void fullSheetHasNoOverlaps()
    {
        QFETCH(int, sheet);
        ReportLayouts layouts;
        PageLayout &layout = layouts.sheet(sheet);
        QCOMPARE(layout.name(), dopSheets::layoutName(sheet));
        fill(layout, sheet);

        // Every line the sheet receives is shown.
        const PageElement &text = layout.at(dopSheets::textMemo());
        QVERIFY(memoCapacity(text) >= text.lines.size());
        const QRectF band(0, 0, layout.bandWidth, layout.bandHeight);
        for (qsizetype i = 0; i < layout.elements.size(); ++i) {
            const PageElement &a = layout.elements.at(i);
            const QRectF ra = painted(a);
            if (ra.isEmpty())
                continue;
            QVERIFY2(band.contains(ra), qPrintable(a.name));
            for (qsizetype j = i + 1; j < layout.elements.size(); ++j) {
                const PageElement &b = layout.elements.at(j);
                QVERIFY2(!ra.intersects(painted(b)), qPrintable(a.name + u" / "_s + b.name));
            }
        }
    }

    void pngShowsCyrillic()
    {
        ReportLayouts layouts;
        layouts.createAll();
        PageLayout &first = layouts.layout(dopSheets::layoutName(1));
        PageLayout &second = layouts.layout(dopSheets::layoutName(2));
        fill(first, 1);
        fill(second, 2);

        // The fonts asked for by name carry the Cyrillic letters the sheets print.
        const QString cyrillic = u"ЄІЇҐєіїґЙйЩщЮюЯя'"_s + first.at(dopSheets::heading()).text;
        for (const QString &name : {dopSheets::heading(), dopSheets::titleMemo(), dopSheets::textMemo()}) {
            const QRawFont raw = QRawFont::fromFont(elementFont(first.at(name)));
            for (QChar c : cyrillic)
                QVERIFY2(raw.supportsCharacter(c), qPrintable(name + u": "_s + c));
        }

        QTemporaryDir temp;
        const QString dir = outputDir(temp);
        for (const PageLayout *sheet : {&first, &second}) {
            const QImage image = renderPage(*sheet, 96);
            QVERIFY(image.save(dir + u'/' + sheet->name() + u".png"_s));
            // Ink where the number, the text and (sheet 1) the heading and title are; the
            // margins stay white.
            for (const PageElement &e : sheet->elements) {
                const QRectF r = painted(e).translated(sheet->bandLeft, sheet->bandTop);
                if (!r.isEmpty())
                    QVERIFY2(ink::any(image, r.toAlignedRect()), qPrintable(e.name));
            }
            QVERIFY(!ink::any(image, QRect(0, 0, image.width(), 36)));
            QVERIFY(!ink::any(image, QRect(0, 0, 36, image.height())));
        }
        QVERIFY(renderPage(first, 200).save(dir + u"/TQRDop-200dpi.png"_s));
    }

    void pdfHasSelectableCyrillic()
    {
        ReportLayouts layouts;
        layouts.createAll();
        PageLayout &first = layouts.layout(dopSheets::layoutName(1));
        PageLayout &second = layouts.layout(dopSheets::layoutName(2));
        fill(first, 1);
        fill(second, 2);
        QTemporaryDir temp;
        const QString path = outputDir(temp) + u"/sheets.pdf"_s;
        QString error;
        const QString title = u"Облікова картка НДР І ДКР (ОК) — OK_2024.txt"_s;
        QVERIFY2(writePdf({&first, &second}, path, &error, title), qPrintable(error));

        // Viewers show the card and its file in their title bar, not a layout's name.
        PDF_TEXT_OR_SKIP();
        const QString pdfinfo = QStandardPaths::findExecutable(u"pdfinfo"_s);
        QVERIFY2(!pdfinfo.isEmpty(), "pdfinfo (poppler-utils) is needed to read the PDF's information");
        QProcess info;
        info.start(pdfinfo, {u"-enc"_s, u"UTF-8"_s, path});
        QVERIFY(info.waitForFinished(30000));
        const QString infoText = QString::fromUtf8(info.readAllStandardOutput());
        const auto field = [&infoText](const QString &name) {
            const QRegularExpression line(u"^"_s + name + u":\\s*(.*)$"_s, QRegularExpression::MultilineOption);
            return line.match(infoText).captured(1).trimmed();
        };
        QCOMPARE(field(u"Title"_s), title);
        QCOMPARE(field(u"Creator"_s), u"ЗОРВАТ "_s + QString::fromUtf8(ZORVAT_VERSION));

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.startsWith("%PDF-"));
        static const QRegularExpression page(u"/Type\\s*/Page\\b(?!s)"_s);
        QCOMPARE(QString::fromLatin1(pdf).count(page), 2);

        // The text is text: it reads back from the file, Cyrillic and all.
        const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
        QVERIFY2(!pdftotext.isEmpty(), "pdftotext (poppler-utils) is needed to read the PDF back");
        QProcess run;
        run.start(pdftotext, {u"-enc"_s, u"UTF-8"_s, path, u"-"_s});
        QVERIFY(run.waitForFinished(30000));
        const QString text = QString::fromUtf8(run.readAllStandardOutput());
        QVERIFY2(text.contains(u"Продовження 1"_s), qPrintable(text.left(300)));
        QVERIFY(text.contains(u"Назва роботи Розроблення технології"_s));
        QVERIFY(text.contains(u"63. Продовження значення реквізиту: ґанок"_s));
    }

    void failedPdfKeepsTheOldFile_data()
    {
        QTest::addColumn<bool>("withPages");
        QTest::addColumn<QString>("where"); // "file", "missing folder", "folder"
        QTest::newRow("no pages") << false << u"file"_s;
        QTest::newRow("missing folder") << true << u"missing folder"_s;
        QTest::newRow("path is a folder") << true << u"folder"_s;
    }
    void failedPdfKeepsTheOldFile()
    {
        QFETCH(bool, withPages);
        QFETCH(QString, where);
        QTemporaryDir temp;
        QString path = temp.filePath(u"old.pdf"_s);
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        if (where == u"missing folder"_s)
            path = temp.filePath(u"no/such/folder/new.pdf"_s);
        else if (where == u"folder"_s)
            path = temp.path();

        const PageLayout sheet(dopSheets::layoutName(1));
        QList<const PageLayout *> pages;
        if (withPages)
            pages << &sheet;
        QString error;
        QVERIFY(!writePdf(pages, path, &error));
        QVERIFY(!error.isEmpty());
        QFile old(temp.filePath(u"old.pdf"_s));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));
    }
};

ZORVAT_TEST(SheetOutputTest)
#include "sheet_output_test.moc"
