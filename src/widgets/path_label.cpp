#include "widgets/path_label.hpp"

#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

#include <cmath>

namespace lumtaris {

namespace {

QTextOption WrapOption()
{
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

// The path with a break opportunity after every separator, for showing only.
QString Breakable(QString path)
{
    path.replace(QLatin1Char('/'), QStringLiteral("/\u200B"));
    path.replace(QLatin1Char('\\'), QStringLiteral("\\\u200B"));
    return path;
}

} // namespace

PathLabel::PathLabel(QWidget* parent) : QLabel(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

int PathLabel::heightForWidth(int width) const
{
    QTextLayout layout(Breakable(text()), font());
    layout.setTextOption(WrapOption());
    qreal height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(width, 1));
        height += line.height();
    }
    layout.endLayout();
    return std::max(static_cast<int>(std::ceil(height)), fontMetrics().height());
}

QSize PathLabel::sizeHint() const
{
    // Wrapped at the fixed width when there is one, else at the width it has now.
    const int width = maximumWidth() < QWIDGETSIZE_MAX ? maximumWidth() : this->width();
    return {width, heightForWidth(width)};
}

QSize PathLabel::minimumSizeHint() const
{
    return {fontMetrics().averageCharWidth() * 10, fontMetrics().height()};
}

void PathLabel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRectF(contentsRect()), Breakable(text()), WrapOption());
}

} // namespace lumtaris
