#include "pagerenderer.h"

#include "textlayout.h"

#include <QPaintDevice>
#include <QPainter>
#include <cmath>

namespace {

constexpr double mmPerInch = 25.4;

class PagePainter
{
public:
    PagePainter(QPainter& painter, const PageSetup& setup, double pixelsPerMm)
        : m_painter(painter), m_setup(setup), m_scale(pixelsPerMm)
    {
    }

    void operator()(const TextLabel& label) const
    {
        if (label.caption.isEmpty())
            return;
        const TextBlock block = layoutLabel(label, m_setup.band.width);
        const QRectF box = device(block.box);
        m_painter.save();
        if (!label.autoSize)
            m_painter.setClipRect(box, Qt::IntersectClip);
        if (!label.transparent)
            m_painter.fillRect(box, Qt::white);
        drawLines(block, label.font, Qt::black);
        m_painter.restore();
    }

    void operator()(const TextMemo& memo) const
    {
        const TextBlock block = layoutMemo(memo);
        const QRectF box = device(block.box);
        m_painter.save();
        m_painter.setClipRect(box, Qt::IntersectClip);
        if (!memo.transparent)
            m_painter.fillRect(box, Qt::white);
        drawLines(block, memo.font, Qt::black);
        m_painter.restore();
    }

    void operator()(const Picture& picture) const
    {
        if (picture.image.isNull())
            return;
        const SizeMm own{Mm(picture.image.width() * mmPerInch / 96.0),
                         Mm(picture.image.height() * mmPerInch / 96.0)};
        const RectMm box = picture.autoSize ? RectMm{picture.geometry.left, picture.geometry.top,
                                                     own.width, own.height}
                                            : picture.geometry;
        const QRectF target = device(placed(box, own, picture.placement));
        m_painter.save();
        m_painter.setClipRect(device(box), Qt::IntersectClip);
        m_painter.drawImage(target, opaque(picture.image));
        m_painter.restore();
    }

    void operator()(const VectorPicture& picture) const
    {
        const VectorDrawing& drawing = picture.drawing;
        if (drawing.size.width <= 0_mm || drawing.size.height <= 0_mm)
            return;
        const RectMm target = placed(picture.geometry, drawing.size, picture.placement);
        m_painter.save();
        m_painter.translate(device(PointMm{target.left, target.top}));
        m_painter.scale(target.width / drawing.size.width, target.height / drawing.size.height);
        for (const Shape& shape : drawing.shapes)
            std::visit([this](const auto& s) { draw(s); }, shape);
        m_painter.restore();
    }

private:
    // Shapes are drawn with the painter already at the drawing's corner.
    void draw(const LineShape& line) const
    {
        m_painter.setPen(pen(line.colour, line.width));
        m_painter.drawLine(QPointF(line.from.x.toDevice(m_scale), line.from.y.toDevice(m_scale)),
                           QPointF(line.to.x.toDevice(m_scale), line.to.y.toDevice(m_scale)));
    }

    void draw(const FrameShape& frame) const
    {
        const Mm inset = frame.width / 2;
        const RectMm centreLine{frame.outer.left + inset, frame.outer.top + inset,
                                frame.outer.width - frame.width, frame.outer.height - frame.width};
        m_painter.setPen(pen(frame.colour, frame.width));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(local(centreLine));
    }

    void draw(const FillShape& fill) const { m_painter.fillRect(local(fill.rect), fill.colour); }

    void draw(const TextShape& text) const
    {
        const TextBlock block = layoutTextShape(text);
        drawLines(block, text.font, text.colour, false);
    }

    QPen pen(const QColor& colour, Mm width) const
    {
        QPen result(colour, width.toDevice(m_scale), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        return result;
    }

    void drawLines(const TextBlock& block, const TextFont& textFont, const QColor& colour,
                   bool inBand = true) const
    {
        m_painter.setFont(deviceFont(textFont));
        m_painter.setPen(colour);
        for (const TextLine& line : block.lines) {
            const QPointF origin = inBand ? device(line.baselineStart)
                                          : QPointF(line.baselineStart.x.toDevice(m_scale),
                                                    line.baselineStart.y.toDevice(m_scale));
            m_painter.drawText(origin, line.text);
        }
    }

    // Point sizes count in the device's own resolution; this makes the
    // text as large as the page scale asks, whatever the device reports.
    QFont deviceFont(const TextFont& textFont) const
    {
        QFont font = ReportFonts::font(textFont);
        const int deviceDpi = m_painter.device() ? m_painter.device()->logicalDpiY() : 96;
        font.setPointSizeF(textFont.pointSize * m_scale * mmPerInch / deviceDpi);
        return font;
    }

    static RectMm placed(const RectMm& box, const SizeMm& own, const PicturePlacement& placement)
    {
        if (placement.stretch)
            return box;
        if (placement.centre)
            return {box.left + (box.width - own.width) / 2, box.top + (box.height - own.height) / 2,
                    own.width, own.height};
        return {box.left, box.top, own.width, own.height};
    }

    static QImage opaque(const QImage& image)
    {
        if (!image.hasAlphaChannel())
            return image;
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
        return flat;
    }

    QPointF device(PointMm point) const
    {
        const RectMm band = m_setup.bandRect();
        return {(band.left + point.x).toDevice(m_scale), (band.top + point.y).toDevice(m_scale)};
    }
    QRectF device(const RectMm& rect) const
    {
        return {device(PointMm{rect.left, rect.top}),
                QSizeF(rect.width.toDevice(m_scale), rect.height.toDevice(m_scale))};
    }
    QRectF local(const RectMm& rect) const
    {
        return {rect.left.toDevice(m_scale), rect.top.toDevice(m_scale),
                rect.width.toDevice(m_scale), rect.height.toDevice(m_scale)};
    }

    QPainter& m_painter;
    const PageSetup& m_setup;
    double m_scale;
};

} // namespace

void renderPage(QPainter& painter, const ReportPage& page, double pixelsPerMm)
{
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    const SizeMm paper = page.setup().paperSize();
    painter.fillRect(
        QRectF(0, 0, paper.width.toDevice(pixelsPerMm), paper.height.toDevice(pixelsPerMm)),
        Qt::white);
    const PagePainter paint(painter, page.setup(), pixelsPerMm);
    for (const ReportElement& element : page.elements()) {
        if (isEnabled(element))
            std::visit(paint, element);
    }
    painter.restore();
}

OutputResult renderPageOn(QPaintDevice& device, const ReportPage& page)
{
    QPainter painter;
    if (!painter.begin(&device))
        return OutputResult::DeviceRefused;
    const double dpiX = device.logicalDpiX();
    const double dpiY = device.logicalDpiY();
    // A printer may resolve its axes differently; the page keeps its shape.
    if (dpiX != dpiY)
        painter.scale(dpiX / dpiY, 1.0);
    renderPage(painter, page, dpiY / mmPerInch);
    return painter.end() ? OutputResult::Done : OutputResult::DeviceRefused;
}

QImage renderPageImage(const ReportPage& page, double dotsPerInch, std::optional<RectMm> window)
{
    const SizeMm paper = page.setup().paperSize();
    const RectMm area = window.value_or(RectMm{0_mm, 0_mm, paper.width, paper.height});
    const double scale = dotsPerInch / mmPerInch;
    QImage image(qCeil(area.width.toDevice(scale)), qCeil(area.height.toDevice(scale)),
                 QImage::Format_RGB32);
    const int dotsPerMetre = qRound(dotsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(-area.left.toDevice(scale), -area.top.toDevice(scale));
    renderPage(painter, page, scale);
    return image;
}
