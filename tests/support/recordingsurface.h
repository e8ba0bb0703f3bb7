#pragma once

#include "mapview/surface.h"

#include <QList>
#include <QStringList>

#include <algorithm>
#include <iterator>

// One drawing operation with the surface attributes it was drawn with.
struct RecordedOp
{
    enum class Kind { Line, Box, FilledBox, Clear, Point, Circle, Text, Picture }; // the first three as Surface::Shape
    Kind kind;
    QList<double> at; // corners of a line or box; centre and radius; position of a point, text or picture
    Colour colour; // line, point, outline or text colour; backColor of clear()
    Colour fill; // fillColor while fillStyle is solid, else 0xFFFFFFFF
    int drawWidth;
    int drawStyle;
    double fontSize;
    bool bold;
    QString text;
};

inline QString hex(Colour colour)
{
    return QString::number(colour, 16);
}

// The positions of the operations for compact comparisons: "x,y,..." separated by spaces.
inline QString positions(const QList<RecordedOp> &ops)
{
    QString text;
    for (const RecordedOp &op : ops)
        for (qsizetype i = 0; i < op.at.size(); ++i)
            text += QString::number(op.at[i]) + (i + 1 < op.at.size() ? u',' : u' ');
    return text.trimmed();
}

// The colour and font of a print: "ff 10 bold", "123456 8".
inline QString style(const RecordedOp &op)
{
    return QStringLiteral("%1 %2%3").arg(hex(op.colour)).arg(op.fontSize).arg(op.bold ? " bold" : "");
}

// A surface that draws nothing and logs every operation. Per point of font size a character is 0.2
// map units wide and a line 0.4 high (size 10: 2 units a character, 4 a line).
class RecordingSurface : public Surface
{
public:
    using Kind = RecordedOp::Kind;

    QList<RecordedOp> ops;
    bool printer = false; // what isPrinter() answers

    template <typename Test>
    QList<RecordedOp> where(Test test) const
    {
        QList<RecordedOp> found;
        std::copy_if(ops.begin(), ops.end(), std::back_inserter(found), test);
        return found;
    }
    QList<RecordedOp> of(Kind k) const
    {
        return where([k](const RecordedOp &op) { return op.kind == k; });
    }
    QStringList printed() const
    {
        QStringList texts;
        for (const RecordedOp &op : of(Kind::Text))
            texts.append(op.text);
        return texts;
    }

    void clear() override { log(Kind::Clear, {}, backColor); }
    void drawPoint(double x, double y, Colour colour) override { log(Kind::Point, { x, y }, colour); }
    void drawLine(double x1, double y1, double x2, double y2, Colour colour, Shape shape = Shape::Line) override
    {
        log(Kind(shape), { x1, y1, x2, y2 }, colour);
    }
    void drawCircle(double x, double y, double radius, qint64 colour = kUseForeColor) override
    {
        log(Kind::Circle, { x, y, radius }, colour == kUseForeColor ? foreColor : Colour(colour));
    }
    void drawText(const QString &text) override { log(Kind::Text, { currentX, currentY }, foreColor, text); }
    double textWidth(const QString &text) override { return text.size() * fontSize * 0.2; }
    double textHeight(const QString &) override { return fontSize * 0.4; }
    void drawPicture(const QImage &, double x, double y, double, double) override { log(Kind::Picture, { x, y }, 0); }
    double pageWidth() const override { return 297.0; }
    double pageHeight() const override { return 210.0; }
    bool isPrinter() const override { return printer; }

private:
    void log(Kind kind, const QList<double> &at, Colour colour, const QString &text = {})
    {
        ops.append({ kind, at, colour, fillStyle == Surface::Fill::Solid ? fillColor : 0xFFFFFFFF, drawWidth, drawStyle,
            fontSize, fontBold, text });
    }
};
