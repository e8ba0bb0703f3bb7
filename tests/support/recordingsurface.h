#pragma once

#include "mapview/surface.h"

#include <QList>
#include <QString>

#include <functional>
#include <vector>

// One drawing operation with the surface attributes it was drawn with.
struct RecordedOp
{
    enum class Kind { Cls, PSet, Line, Box, FilledBox, Circle, Print, Picture };
    Kind kind = Kind::Cls;
    double x1 = 0, y1 = 0; // start, centre or text position
    double x2 = 0, y2 = 0; // end, or the size of a picture; x2 is a circle's radius
    Colour colour = 0; // line, point or outline colour; ForeColor of a text; BackColor of Cls
    int drawWidth = 1;
    int drawStyle = 0;
    int fillStyle = 1;
    Colour fillColour = 0;
    double fontSize = 0;
    bool fontBold = false;
    QString text;

    QList<double> corners() const { return { x1, y1, x2, y2 }; }
};

// A drawing surface that draws nothing and logs every operation. Its text metrics are fixed so
// that tests can work out positions by hand: a character is 0.2 map units wide per point of font
// size and a line is 0.4 units high per point (10 points: 2 units a character, 4 units a line).
class RecordingSurface : public Surface
{
public:
    static constexpr double kCharWidthPerPoint = 0.2;
    static constexpr double kLineHeightPerPoint = 0.4;

    explicit RecordingSurface(bool printer = false)
        : m_printer(printer)
    { }

    std::vector<RecordedOp> ops;

    void Cls() override;
    void PSet(double x, double y, Colour colour) override;
    void Line(double x1, double y1, double x2, double y2, Colour colour, Shape shape = Shape::Line) override;
    void Circle(double x, double y, double radius, qint64 colour = kForeColor) override;
    void Print(const QString &text) override;
    double TextWidth(const QString &text) override { return text.size() * FontSize * kCharWidthPerPoint; }
    double TextHeight(const QString &) override { return FontSize * kLineHeightPerPoint; }
    void PaintPicture(const QImage &picture, double x, double y, double width, double height) override;
    double ScaleWidth() const override { return 297.0; }
    double ScaleHeight() const override { return 210.0; }
    bool isPrinter() const override { return m_printer; }

    // The logged operations that satisfy the predicate, in drawing order.
    std::vector<RecordedOp> where(const std::function<bool(const RecordedOp &)> &test) const;
    std::vector<RecordedOp> ofKind(RecordedOp::Kind kind) const;
    // The texts printed, in order; and the first print of a given text (a Cls op when none).
    QStringList printed() const;
    RecordedOp firstPrint(const QString &text) const;

private:
    RecordedOp &record(RecordedOp::Kind kind, double x1, double y1, double x2, double y2, Colour colour);

    bool m_printer;
};
