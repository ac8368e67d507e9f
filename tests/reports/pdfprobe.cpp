#include "pdfprobe.h"

#include "textlayout.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <cmath>

namespace {
constexpr double mmPerPoint = 25.4 / 72.0;
}

QString PdfProbe::run(const QString& program, const QStringList& arguments, QString* error)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        if (error)
            *error = QStringLiteral("%1 failed: %2 %3")
                         .arg(program, process.errorString(),
                              QString::fromUtf8(process.readAllStandardError()));
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

PdfProbe::PdfProbe(const QString& pdfPath)
{
    const QString html = run(QStringLiteral("pdftotext"),
                             {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")}, &m_error);
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                       "yMax=\"([0-9.]+)\">(.*?)</word>"));
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        const double x1 = match.captured(1).toDouble() * mmPerPoint;
        const double y1 = match.captured(2).toDouble() * mmPerPoint;
        const double x2 = match.captured(3).toDouble() * mmPerPoint;
        const double y2 = match.captured(4).toDouble() * mmPerPoint;
        const QString text = QTextDocumentFragment::fromHtml(match.captured(5)).toPlainText();
        m_words.append({text, QRectF(QPointF(x1, y1), QPointF(x2, y2))});
    }
    if (m_error.isEmpty() && m_words.isEmpty() && !html.contains(QStringLiteral("<page")))
        m_error = QStringLiteral("pdftotext gave no page for %1").arg(pdfPath);
}

const PdfWord* PdfProbe::wordAt(double left, double top, double tolerance) const
{
    for (const PdfWord& word : m_words) {
        if (std::abs(word.box.left() - left) <= tolerance &&
            std::abs(word.box.top() - top) <= tolerance)
            return &word;
    }
    return nullptr;
}

QString PdfProbe::lineAt(double left, double top, double tolerance, int maxWords) const
{
    const PdfWord* first = wordAt(left, top, tolerance);
    if (!first)
        return {};
    QStringList texts{first->text};
    double right = first->box.right();
    // Followers: same top, starting within a few millimetres of the previous word's end.
    for (bool found = true; found && texts.size() < maxWords;) {
        found = false;
        for (const PdfWord& word : m_words) {
            if (std::abs(word.box.top() - first->box.top()) < 0.05 && word.box.left() > right &&
                word.box.left() - right < 3.0) {
                texts << word.text;
                right = word.box.right();
                found = true;
                break;
            }
        }
    }
    return texts.join(u' ');
}

QList<PdfWord> PdfProbe::wordsIn(const QRectF& area) const
{
    QList<PdfWord> found;
    for (const PdfWord& word : m_words) {
        if (word.box.intersects(area))
            found << word;
    }
    return found;
}

QString PdfProbe::allText() const
{
    QStringList texts;
    for (const PdfWord& word : m_words)
        texts << word.text;
    return texts.join(u' ');
}

double pointSizeFromBox(const PdfWord& word, const QString& reportFamily, bool bold)
{
    // Height of one line per point of size for this font, in millimetres.
    const FontMetricsMm metrics(TextFont{reportFamily, 100.0, bold});
    const double heightPerPoint = metrics.height().value() / 100.0;
    return word.box.height() / heightPerPoint;
}
