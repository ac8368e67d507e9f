#pragma once

#include "reportelements.h"

#include <QFont>
#include <QList>

// Font metrics in millimetres, measured once at a fine reference resolution
// so that a text breaks into the same lines on screen, paper and PDF.
class FontMetricsMm
{
public:
    explicit FontMetricsMm(const TextFont& textFont);

    Mm ascent() const { return m_ascent; }
    Mm descent() const { return m_descent; }
    // Ascent plus descent: the height of one line of a label.
    Mm height() const { return m_ascent + m_descent; }
    Mm advance(const QString& text) const;

private:
    QFont m_font;
    double m_mmPerUnit;
    Mm m_ascent;
    Mm m_descent;
};

struct TextLine
{
    QString text;
    PointMm baselineStart; // page-independent: band millimetres
};

// Where a text element lies and where each of its lines starts.
struct TextBlock
{
    RectMm box;
    QList<TextLine> lines;
};

// Breaks text at spaces so that each line fits width; a word longer than
// width stays whole on its own line. Line ends in the text always break.
QStringList wrapWords(const QString& text, Mm width, const FontMetricsMm& metrics);

// Band millimetres; bandWidth limits how far an auto-sized label may grow
// before its words wrap.
TextBlock layoutLabel(const TextLabel& label, Mm bandWidth);
TextBlock layoutMemo(const TextMemo& memo);
TextBlock layoutTextShape(const TextShape& shape);
