#include "textlayout.h"

#include <QFontMetricsF>
#include <QImage>
#include <algorithm>

namespace {

constexpr double referenceDpi = 1200.0;

// A device of the reference resolution for measuring; fonts measured against
// it give advances that scale linearly to any other resolution.
const QImage& referenceDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMetre = qRound(referenceDpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    return device;
}

QList<TextLine> stackLines(const QStringList& texts, PointMm topLeft, const FontMetricsMm& metrics)
{
    QList<TextLine> lines;
    Mm baseline = topLeft.y + metrics.ascent();
    for (const QString& text : texts) {
        lines.append({text, {topLeft.x, baseline}});
        baseline += metrics.height();
    }
    return lines;
}

} // namespace

FontMetricsMm::FontMetricsMm(const TextFont& textFont)
    : m_font(ReportFonts::font(textFont)), m_mmPerUnit(25.4 / referenceDpi)
{
    const QFontMetricsF metrics(m_font, &referenceDevice());
    m_ascent = Mm(metrics.ascent() * m_mmPerUnit);
    m_descent = Mm(metrics.descent() * m_mmPerUnit);
}

Mm FontMetricsMm::advance(const QString& text) const
{
    const QFontMetricsF metrics(m_font, &referenceDevice());
    return Mm(metrics.horizontalAdvance(text) * m_mmPerUnit);
}

QStringList wrapWords(const QString& text, Mm width, const FontMetricsMm& metrics)
{
    QStringList lines;
    const QStringList paragraphs =
        QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(u'\n');
    for (const QString& paragraph : paragraphs) {
        QString line;
        bool started = false;
        // Splitting at single spaces keeps runs of spaces inside a line.
        for (const QString& word : paragraph.split(u' ')) {
            if (!started) {
                line = word;
                started = true;
                continue;
            }
            const QString candidate = line + u' ' + word;
            if (metrics.advance(candidate) <= width) {
                line = candidate;
            } else {
                lines.append(line);
                line = word;
            }
        }
        lines.append(line);
    }
    return lines;
}

TextBlock layoutLabel(const TextLabel& label, Mm bandWidth)
{
    const FontMetricsMm metrics(label.font);
    const PointMm topLeft{label.geometry.left, label.geometry.top};
    if (label.caption.isEmpty())
        return {{topLeft.x, topLeft.y, label.autoSize ? 0_mm : label.geometry.width,
                 label.autoSize ? 0_mm : label.geometry.height},
                {}};

    if (!label.autoSize) {
        const QStringList texts = label.wordWrap
                                      ? wrapWords(label.caption, label.geometry.width, metrics)
                                      : QStringList{label.caption};
        return {label.geometry, stackLines(texts, topLeft, metrics)};
    }

    const Mm natural = metrics.advance(label.caption);
    const Mm room = std::max(bandWidth - topLeft.x, 0_mm);
    QStringList texts{label.caption};
    Mm width = natural;
    if (label.wordWrap && natural > room) {
        texts = wrapWords(label.caption, room, metrics);
        width = 0_mm;
        for (const QString& text : texts)
            width = std::max(width, metrics.advance(text));
    }
    return {{topLeft.x, topLeft.y, width, metrics.height() * texts.size()},
            stackLines(texts, topLeft, metrics)};
}

TextBlock layoutMemo(const TextMemo& memo)
{
    const FontMetricsMm metrics(memo.font);
    QStringList texts;
    for (const QString& line : memo.lines)
        texts += memo.wordWrap ? wrapWords(line, memo.geometry.width, metrics) : QStringList{line};
    return {memo.geometry, stackLines(texts, {memo.geometry.left, memo.geometry.top}, metrics)};
}

TextBlock layoutTextShape(const TextShape& shape)
{
    const FontMetricsMm metrics(shape.font);
    return {{shape.topLeft.x, shape.topLeft.y, metrics.advance(shape.text), metrics.height()},
            stackLines({shape.text}, shape.topLeft, metrics)};
}
