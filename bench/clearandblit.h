#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QSize>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

// The floor a drawing benchmark is compared with: clearing an image of the drawing's size and
// showing it on another, as a window's backing image is cleared and put on the screen.
inline void clearAndBlitOnce(QImage &image, QImage &screen)
{
    image.fill(Qt::black);
    QPainter painter(&screen);
    painter.drawImage(0, 0, image);
}

inline void clearAndBlit(benchmark::State &state, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QImage screen(size, QImage::Format_RGB32);
    for (auto _ : state)
        clearAndBlitOnce(image, screen);
}

// The same floor measured inside another benchmark's run, in milliseconds: the median of a few
// rounds, so that a benchmark can report its own time over the floor of the same moment.
inline double clearAndBlitMs(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QImage screen(size, QImage::Format_RGB32);
    std::vector<double> rounds;
    for (int round = 0; round < 15; ++round) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 10; ++i)
            clearAndBlitOnce(image, screen);
        rounds.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e7);
    }
    std::sort(rounds.begin(), rounds.end());
    return rounds[rounds.size() / 2];
}
