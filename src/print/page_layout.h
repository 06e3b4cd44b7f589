#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One positioned text element of a page layout. Positions and sizes are in units of
// 1/96 inch inside the page's band; the font size is a pixel (character) height.
struct PageElement
{
    enum class Type { Label, Memo };
    Type type = Type::Label;
    QString name;          // "QRLabel1", "QRMemo2"
    double left = 0;
    double top = 0;
    double width = 0;      // a label cuts its text at its width
    double height = 0;     // a memo cuts its lines at its height
    QString family = QStringLiteral("Arial");
    int pixelSize = 13;
    bool bold = false;
    bool underline = false;
    QString text;          // a label's text
    QStringList lines;     // a memo's lines, already broken
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

// An A4 page layout: data that a print fills and the renderer paints.
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

    PageElement *element(const QString &name);
    const PageElement *element(const QString &name) const;
    PageElement &add(PageElement e);

private:
    QString m_name;
};
