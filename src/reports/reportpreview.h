#pragma once

#include "reportprinter.h"

#include <QAbstractScrollArea>
#include <memory>

// The preview area: a grey field with scroll bars on which the attached
// report's page is painted from its elements at the current zoom. The page
// itself ignores clicks; clicks, wheel turns and mouse moves over the grey
// are reported to the window, which decides what they do.
class ReportPreview : public QAbstractScrollArea
{
    Q_OBJECT

public:
    enum class ZoomMode
    {
        Percent,
        WholePage,
        PageWidth
    };

    explicit ReportPreview(QWidget* parent = nullptr);

    // Attaches the produced pages of a preview; the view goes back to the
    // top of page 1 and keeps its zoom.
    void setQRPrinter(std::shared_ptr<ReportPrinter> printer);
    const std::shared_ptr<ReportPrinter>& QRPrinter() const { return m_printer; }

    // A number the window keeps for its own use (the zoom toggle).
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    void ZoomToFit();
    void ZoomToWidth();
    void setZoomPercent(int percent);
    ZoomMode zoomMode() const { return m_zoomMode; }
    // Screen pixels per millimetre of paper at the current zoom.
    double pixelsPerMm() const;

    // Moves the content by dy pixels (positive: the view goes down the
    // page), with no regard to the page's ends.
    void scrollContentBy(int dy);
    // Where the page lies in the viewport, in viewport pixels.
    QRect pageRect() const;

signals:
    void backgroundClicked();
    void wheelTurnedDown();
    void wheelTurnedUp();
    void mouseMovedOverBackground();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QSizeF paperPixelsAt100() const;
    double zoomFactor() const;
    QSize contentSize() const;
    void updateScrollBars();

    std::shared_ptr<ReportPrinter> m_printer;
    int m_tag = 0;
    ZoomMode m_zoomMode = ZoomMode::Percent;
    int m_percent = 100;
    QPoint m_offset; // content pixel shown at the viewport's top-left corner
    bool m_pressedOnBackground = false;
    bool m_syncingScrollBars = false;
};
