#pragma once

#include <QLineF>
#include <QList>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPen>

// A paint device that keeps every line drawn on it with the pen it was drawn with.
class RecordingPaintDevice : public QPaintDevice
{
public:
    struct Line
    {
        QLineF line;
        QPen pen;
    };

    explicit RecordingPaintDevice(QSize size)
        : m_size(size)
    { }

    QPaintEngine *paintEngine() const override { return &m_engine; }
    const QList<Line> &lines() const { return m_engine.lines; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 1000;
        }
    }

private:
    class Engine : public QPaintEngine
    {
    public:
        Engine()
            : QPaintEngine(AllFeatures)
        { }

        QList<Line> lines;
        QPen pen;
        QTransform transform;

        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &state) override
        {
            if (state.state() & DirtyPen)
                pen = state.pen();
            if (state.state() & DirtyTransform)
                transform = state.transform();
        }
        void drawLines(const QLineF *drawn, int count) override
        {
            for (int i = 0; i < count; ++i)
                lines.append({ transform.map(drawn[i]), pen });
        }
        void drawPath(const QPainterPath &) override { }
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override { }
        Type type() const override { return User; }
    };

    QSize m_size;
    mutable Engine m_engine;
};
