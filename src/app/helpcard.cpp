#include "app/helpcard.h"

#include "app/mapcanvas.h"

#include <QMouseEvent>

HelpCard::HelpCard(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("helpimage"));
    setToolTip(QStringLiteral("Click Me to Continue"));
    setWordWrap(true);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(2);
    setStyleSheet(QStringLiteral("QLabel#helpimage { background: #10182a; color: #e8ecf4; border: 2px solid #7f9cc8;"
                                 " padding: 12px; }"));
    setText(QStringLiteral(
        "<h3>Using the star map</h3>"
        "<p><b>Click a star</b> (or its row in the list) to select it and centre the sector on it.</p>"
        "<p><b>Scroll</b> by clicking the borders around the grid, with the cursor keys, "
        "Home / End / Page Up / Page Down for diagonals, or jump by clicking the mini-map.</p>"
        "<p>In the <b>Stellar Index</b>, right-click a star to read its distance from the selected star, "
        "and keep notes for each system.</p>"
        "<p><b>Find</b> a star by any part of its name with Ctrl+F; Enter selects it, Shift+Enter makes it "
        "the second star.</p>"
        "<p><b>Routes</b>: with a second star chosen, Ctrl+R plots a route within the jump limit set in the "
        "Stellar Index. <b>Export</b> the map to SVG, PDF or PNG from the File menu. F3 opens the "
        "<b>3D View</b>.</p>"
        "<p><i>Click this card to continue.</i></p>"));
}

void HelpCard::placeOn(const MapCanvas &canvas)
{
    const QPointF topLeft = canvas.toWidget(QPointF(35.0, 68.0));
    const QPointF bottomRight = canvas.toWidget(QPointF(145.0, 158.0));
    setGeometry(QRectF(topLeft, bottomRight).toRect());
    QFont font = this->font();
    font.setPointSizeF(std::max(8.0, (bottomRight.x() - topLeft.x()) / 48.0));
    setFont(font);
}

void HelpCard::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit clicked();
}
