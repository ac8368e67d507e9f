#include "reportpreview.h"

#include "pagerenderer.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace {
// Grey around the page, in screen pixels.
constexpr int pageMargin = 10;
} // namespace

ReportPreview::ReportPreview(QWidget* parent) : QAbstractScrollArea(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(true);
    QPalette grey = viewport()->palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    grey.setColor(QPalette::Base, QColor(128, 128, 128));
    viewport()->setPalette(grey);
}

void ReportPreview::setQRPrinter(std::shared_ptr<ReportPrinter> printer)
{
    m_printer = std::move(printer);
    m_offset = {};
    updateScrollBars();
    viewport()->update();
}

void ReportPreview::ZoomToFit()
{
    m_zoomMode = ZoomMode::WholePage;
    updateScrollBars();
    viewport()->update();
}

void ReportPreview::ZoomToWidth()
{
    m_zoomMode = ZoomMode::PageWidth;
    updateScrollBars();
    viewport()->update();
}

void ReportPreview::setZoomPercent(int percent)
{
    m_zoomMode = ZoomMode::Percent;
    m_percent = std::max(percent, 1);
    updateScrollBars();
    viewport()->update();
}

QSizeF ReportPreview::paperPixelsAt100() const
{
    if (!m_printer)
        return {};
    const SizeMm paper = m_printer->page().setup().paperSize();
    const double perMm = logicalDpiX() / 25.4;
    return {paper.width.toDevice(perMm), paper.height.toDevice(perMm)};
}

double ReportPreview::zoomFactor() const
{
    const QSizeF paper = paperPixelsAt100();
    if (paper.isEmpty())
        return m_percent / 100.0;
    const QSize room = viewport()->size() - QSize(2 * pageMargin, 2 * pageMargin);
    switch (m_zoomMode) {
    case ZoomMode::WholePage:
        return std::max(0.01,
                        std::min(room.width() / paper.width(), room.height() / paper.height()));
    case ZoomMode::PageWidth:
        return std::max(0.01, room.width() / paper.width());
    case ZoomMode::Percent:
        break;
    }
    return m_percent / 100.0;
}

double ReportPreview::pixelsPerMm() const
{
    return zoomFactor() * logicalDpiX() / 25.4;
}

QSize ReportPreview::contentSize() const
{
    const QSizeF paper = paperPixelsAt100() * zoomFactor();
    return {qCeil(paper.width()) + 2 * pageMargin, qCeil(paper.height()) + 2 * pageMargin};
}

QRect ReportPreview::pageRect() const
{
    if (!m_printer)
        return {};
    const QSizeF paper = paperPixelsAt100() * zoomFactor();
    const QSize size(qRound(paper.width()), qRound(paper.height()));
    // A page narrower than the area stands in the middle, as on a desk.
    const int spareWidth = viewport()->width() - size.width() - 2 * pageMargin;
    const int left = spareWidth > 0 ? pageMargin + spareWidth / 2 : pageMargin - m_offset.x();
    return {QPoint(left, pageMargin - m_offset.y()), size};
}

void ReportPreview::scrollContentBy(int dy)
{
    m_offset.ry() += dy;
    updateScrollBars();
    viewport()->update();
}

void ReportPreview::updateScrollBars()
{
    // The bars show the page's extent; the wheel may carry the view past
    // it, where the bars simply stay at their ends.
    m_syncingScrollBars = true;
    const QSize content = contentSize();
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, content.width() - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setRange(0, std::max(0, content.height() - view.height()));
    verticalScrollBar()->setPageStep(view.height());
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
    if (m_offset.x() > horizontalScrollBar()->maximum())
        m_offset.setX(horizontalScrollBar()->maximum());
    if (m_offset.x() < 0)
        m_offset.setX(0);
    horizontalScrollBar()->setValue(m_offset.x());
    verticalScrollBar()->setValue(m_offset.y());
    m_syncingScrollBars = false;
}

void ReportPreview::scrollContentsBy(int, int)
{
    if (m_syncingScrollBars)
        return;
    // The user drags a thumb: the bars are the truth now.
    m_offset = {horizontalScrollBar()->value(), verticalScrollBar()->value()};
    viewport()->update();
}

void ReportPreview::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void ReportPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    if (!m_printer)
        return;
    const QRect page = pageRect();
    painter.fillRect(page.translated(3, 3), QColor(64, 64, 64));
    painter.setClipRect(page);
    painter.translate(page.topLeft());
    renderPage(painter, m_printer->page(), pixelsPerMm());
}

void ReportPreview::mousePressEvent(QMouseEvent* event)
{
    m_pressedOnBackground = !pageRect().contains(event->position().toPoint());
    QAbstractScrollArea::mousePressEvent(event);
}

void ReportPreview::mouseReleaseEvent(QMouseEvent* event)
{
    const bool onBackground = !pageRect().contains(event->position().toPoint());
    const bool click = m_pressedOnBackground && onBackground && event->button() == Qt::LeftButton;
    m_pressedOnBackground = false;
    QAbstractScrollArea::mouseReleaseEvent(event);
    if (click)
        emit backgroundClicked();
}

void ReportPreview::mouseMoveEvent(QMouseEvent* event)
{
    if (!pageRect().contains(event->position().toPoint()))
        emit mouseMovedOverBackground();
    QAbstractScrollArea::mouseMoveEvent(event);
}

void ReportPreview::wheelEvent(QWheelEvent* event)
{
    // Wheel turns belong to the control with the keyboard focus.
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    const int delta = event->angleDelta().y();
    if (delta < 0)
        emit wheelTurnedDown();
    else if (delta > 0)
        emit wheelTurnedUp();
    event->accept();
}
