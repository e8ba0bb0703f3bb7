#pragma once

#include <QPoint>
#include <QString>

#include <functional>

class QEvent;
class QWidget;

// Answers a tooltip event on `widget`: shows the text `tipAt` gives for the event's place (in the
// widget's co-ordinates), or hides any tooltip where it gives none. False for any other event.
bool answerToolTip(QEvent *event, QWidget *widget, const std::function<QString(QPoint)> &tipAt);
