#pragma once

#include <QList>
#include <QString>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

// Layout units: 96 per inch, on every device. The renderer scales them to the device.
constexpr double kUnitsPerInch = 96.0;

// Millimetres of a layout drawn on paper, in layout units.
constexpr double fromMm(double mm)
{
    return mm * kUnitsPerInch / 25.4;
}

// One positioned text element of a page layout. Positions and sizes are in layout
// units inside the page's band; the font size is a pixel (character) height in units.
struct PageElement
{
    enum class Type { Label, Memo };
    enum class Align { Left, Center, Right };

    Type type = Type::Label;
    QString name;          // "QRLabel1", "QRMemo2"
    double left = 0;
    double top = 0;
    double width = 0;      // a label is cut at its width; 0: as wide as its text
    double height = 0;     // a memo shows the whole lines that fit in it; 0: no limit
    QString family = u"Arial"_s;
    int pixelSize = 13;
    bool bold = false;
    bool underline = false;
    Align align = Align::Left;
    double lineSpacing = 0; // a memo's distance between lines; 0: the font's own
    QString text;          // a label's text, drawn as one line
    QStringList lines;     // a memo's lines, already broken: they are drawn as they are
};

// A straight frame line, in band units.
struct FrameLine
{
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    double width = 1;
};

// A rectangular frame around a group of elements, in band units.
struct FrameBox
{
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    double penWidth = 1;
};

// An A4 portrait page layout: data that a print fills and the renderer paints.
class PageLayout
{
public:
    explicit PageLayout(QString name = {}) : m_name(std::move(name)) {}

    const QString &name() const { return m_name; }

    static constexpr double kPageWidth = 794;
    static constexpr double kPageHeight = 1123;
    double bandLeft = 38;
    double bandTop = 38;
    double bandWidth = 718;
    double bandHeight = 1044;

    QList<PageElement> elements;
    QList<FrameLine> frames;
    QList<FrameBox> boxes;

    PageElement *element(const QString &name);
    const PageElement *element(const QString &name) const;
    PageElement &add(PageElement e);

    // The element of that name, which the layout's builder made; asserts in debug builds.
    PageElement &at(const QString &name);
    const PageElement &at(const QString &name) const;

private:
    QString m_name;
};
