#pragma once

#include <QFont>
#include <QStringView>
#include <QTextOption>

#include <memory>

// Tolerance of a width comparison, far below anything visible.
constexpr double kWidthTolerance = 1e-3;

// Measuring as the renderer draws: design metrics, so widths are equal on every device.
QTextOption measuringOption(QTextOption::WrapMode mode);

// Where a tab at `x` ends: the next stop of the text's default tab stops.
double tabEnd(double x);

// How the wrap measures a paragraph: widths of its parts as the renderer draws them
// inside the unbroken paragraph, so that the width of a run of parts is their sum.
class ParagraphWidths
{
public:
    virtual ~ParagraphWidths() = default;
    // Width of paragraph[from, to), which starts `x` from the paragraph's start (a tab
    // reaches the next tab stop from there).
    virtual double width(qsizetype from, qsizetype to, double x) = 0;
    // The same width while it is at most `cap`; beyond, infinity, found without
    // measuring the rest: a word as long as the paragraph costs no more than a line.
    virtual double widthUpTo(qsizetype from, qsizetype to, double x, double /*cap*/) { return width(from, to, x); }
    // The end of the longest run paragraph[from, p) no wider than `room`, p a cursor
    // position after `from`; at least one character, as a line always takes one. The
    // search goes no further than `limit`, and measures no further than the run's end.
    // `from` is `x` from the paragraph's start; `runWidth` gets the run's width.
    virtual qsizetype fittingEnd(qsizetype from, qsizetype limit, double room, double x, double *runWidth) = 0;

    // Character by character for the characters of the card's code page, the whole paragraph
    // shaped at once for others.
    static std::unique_ptr<ParagraphWidths> of(QStringView paragraph, const QFont &font);
};
