#pragma once

// A label that looks like a web link and reports a click.

#include <QLabel>

namespace lumtaris {

class LinkLabel final : public QLabel
{
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace lumtaris
