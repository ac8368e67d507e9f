#pragma once

#include "millimetres.h"
#include "reportfont.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <variant>

// The element kinds a report page is made of. Positions are millimetres from
// the title band's top-left corner; every element is a child of that band.

// A single caption. Auto-size makes the width follow the caption (up to the
// band's right edge, where word wrap takes over); an opaque label paints a
// white box under its text; a label that is not enabled is left off the page.
struct TextLabel
{
    QString name;
    QString caption;
    RectMm geometry; // width and height count only when autoSize is off
    TextFont font;
    bool autoSize = true;
    bool wordWrap = true;
    bool transparent = true;
    bool enabled = true;
};

// Lines of text in a fixed box; words wrap inside it and what does not fit is cut off.
struct TextMemo
{
    QString name;
    QStringList lines;
    RectMm geometry;
    TextFont font;
    bool wordWrap = true;
    bool transparent = true;
    bool enabled = true;
};

// How a picture fills its box. Stretch scales it to the box, ignoring its
// proportions; centre puts it at its own size in the middle; neither draws it
// at its own size from the top-left corner. Anything outside the box is cut.
struct PicturePlacement
{
    bool stretch = false;
    bool centre = false;
};

// A raster picture. Its own size counts one picture pixel as 1/96 inch.
// Pictures always print opaque: transparent pixels come out white.
struct Picture
{
    QString name;
    RectMm geometry;
    QImage image;
    PicturePlacement placement;
    bool autoSize = false; // the box takes the picture's own size
    bool enabled = true;
};

// Shapes of a vector drawing, in millimetres from the drawing's own top-left corner.
struct LineShape
{
    PointMm from;
    PointMm to;
    Mm width;
    QColor colour = Qt::black;
};

// A rectangle outline whose stroke lies inside its outer edges.
struct FrameShape
{
    RectMm outer;
    Mm width;
    QColor colour = Qt::black;
};

struct FillShape
{
    RectMm rect;
    QColor colour = Qt::black;
};

// One line of text whose top-left corner is given, as a label would place it.
struct TextShape
{
    PointMm topLeft;
    QString text;
    TextFont font;
    QColor colour = Qt::black;
};

using Shape = std::variant<LineShape, FrameShape, FillShape, TextShape>;

// A stored vector picture: shapes and the size they were drawn for.
struct VectorDrawing
{
    SizeMm size;
    QList<Shape> shapes;
};

// A vector drawing placed like a picture. It is never cut to its box, so a
// drawing a hair larger than its box keeps its outer lines.
struct VectorPicture
{
    QString name;
    RectMm geometry;
    VectorDrawing drawing;
    PicturePlacement placement;
    bool enabled = true;
};

using ReportElement = std::variant<TextLabel, TextMemo, Picture, VectorPicture>;

const QString& elementName(const ReportElement& element);
bool isEnabled(const ReportElement& element);
