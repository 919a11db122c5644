#pragma once

// A label for a file path: it wraps onto further lines when the path is longer than the
// label's fixed width, breaking anywhere, since a path rarely has blanks to break at.

#include <QLabel>

namespace lumtaris {

class PathLabel final : public QLabel
{
    Q_OBJECT
public:
    explicit PathLabel(QWidget* parent = nullptr);

    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace lumtaris
