#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

// Reads a PDF back with poppler's command-line tools (pdftotext -bbox,
// pdfinfo, pdffonts), so tests check what a PDF reader sees rather than
// what the program meant to draw.
struct PdfWord
{
    QString text;
    QRectF box; // millimetres from the page's top-left corner
};

class PdfProbe
{
public:
    // Empty words and a non-empty error() when the tools fail.
    explicit PdfProbe(const QString& pdfPath);

    const QString& error() const { return m_error; }
    const QList<PdfWord>& words() const { return m_words; }

    // The word whose box starts within tolerance of (left, top).
    const PdfWord* wordAt(double left, double top, double tolerance = 0.5) const;
    // The text that starts at (left, top): that word and the words that
    // follow it on the same line (at most maxWords in all), joined by single spaces.
    QString lineAt(double left, double top, double tolerance = 0.5, int maxWords = 1000) const;
    // Words whose boxes reach into the given rectangle (millimetres).
    QList<PdfWord> wordsIn(const QRectF& area) const;
    QString allText() const;

    // Output of pdfinfo (with -meta when asked) and pdffonts.
    static QString run(const QString& program, const QStringList& arguments, QString* error);

private:
    QString m_error;
    QList<PdfWord> m_words;
};

// Point size of a text from the height of its box: poppler's box spans the
// font's ascent and descent, whose sum per point is measured from the same font.
double pointSizeFromBox(const PdfWord& word, const QString& reportFamily, bool bold);
