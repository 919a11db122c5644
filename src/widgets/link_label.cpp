#include "widgets/link_label.hpp"

#include <QMouseEvent>

namespace lumtaris {

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent)
{
    QFont underlined = font();
    underlined.setBold(true);
    underlined.setUnderline(true);
    setFont(underlined);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, Qt::blue);
    setPalette(colours);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace lumtaris
