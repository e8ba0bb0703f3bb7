#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>

#include <benchmark/benchmark.h>

// The floor a drawing benchmark is compared with: clearing an image of the drawing's size and
// showing it on another, as a window's backing image is cleared and put on the screen.
inline void clearAndBlit(benchmark::State &state, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QImage screen(size, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::black);
        QPainter painter(&screen);
        painter.drawImage(0, 0, image);
    }
}
