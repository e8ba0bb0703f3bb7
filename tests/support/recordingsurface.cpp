#include "support/recordingsurface.h"

#include <QStringList>

RecordedOp &RecordingSurface::record(RecordedOp::Kind kind, double x1, double y1, double x2, double y2, Colour colour)
{
    RecordedOp op;
    op.kind = kind;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.colour = colour;
    op.drawWidth = DrawWidth;
    op.drawStyle = DrawStyle;
    op.fillStyle = FillStyle;
    op.fillColour = FillColor;
    op.fontSize = FontSize;
    op.fontBold = FontBold;
    ops.push_back(op);
    return ops.back();
}

void RecordingSurface::Cls()
{
    record(RecordedOp::Kind::Cls, 0, 0, 0, 0, BackColor);
    CurrentX = 0;
    CurrentY = 0;
}

void RecordingSurface::PSet(double x, double y, Colour colour)
{
    record(RecordedOp::Kind::PSet, x, y, 0, 0, colour);
}

void RecordingSurface::Line(double x1, double y1, double x2, double y2, Colour colour, Shape shape)
{
    const RecordedOp::Kind kind = shape == Shape::Line ? RecordedOp::Kind::Line
        : shape == Shape::Box                          ? RecordedOp::Kind::Box
                                                       : RecordedOp::Kind::FilledBox;
    record(kind, x1, y1, x2, y2, colour);
}

void RecordingSurface::Circle(double x, double y, double radius, qint64 colour)
{
    record(RecordedOp::Kind::Circle, x, y, radius, 0, colour == kForeColor ? ForeColor : static_cast<Colour>(colour));
}

void RecordingSurface::Print(const QString &text)
{
    record(RecordedOp::Kind::Print, CurrentX, CurrentY, 0, 0, ForeColor).text = text;
    CurrentX = 0;
    CurrentY += TextHeight(text);
}

void RecordingSurface::PaintPicture(const QImage &picture, double x, double y, double width, double height)
{
    Q_UNUSED(picture)
    record(RecordedOp::Kind::Picture, x, y, width, height, ForeColor);
}

std::vector<RecordedOp> RecordingSurface::where(const std::function<bool(const RecordedOp &)> &test) const
{
    std::vector<RecordedOp> result;
    for (const RecordedOp &op : ops)
        if (test(op))
            result.push_back(op);
    return result;
}

std::vector<RecordedOp> RecordingSurface::ofKind(RecordedOp::Kind kind) const
{
    return where([kind](const RecordedOp &op) { return op.kind == kind; });
}

QStringList RecordingSurface::printed() const
{
    QStringList texts;
    for (const RecordedOp &op : ofKind(RecordedOp::Kind::Print))
        texts << op.text;
    return texts;
}

RecordedOp RecordingSurface::firstPrint(const QString &text) const
{
    for (const RecordedOp &op : ops)
        if (op.kind == RecordedOp::Kind::Print && op.text == text)
            return op;
    return {};
}
