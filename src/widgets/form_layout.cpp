#include "widgets/form_layout.hpp"

#include <QAbstractButton>
#include <QAction>
#include <QColor>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPalette>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace lumtaris {

QLabel* MakeLabel(QWidget* parent, const QString& objectName, bool bold)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QLabel* MakeSeparator(QWidget* parent, const QString& objectName, const QString& text)
{
    QLabel* label = MakeLabel(parent, objectName, true);
    QFont font = label->font();
    font.setPointSize(font.pointSize() + 4);
    label->setFont(font);
    label->setText(text);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QVBoxLayout* MakeRowColumn(QWidget* column)
{
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kRowSpacing);
    return layout;
}

void AddRow(QVBoxLayout* column, QWidget* field)
{
    field->setFixedHeight(kRowHeight);
    column->addWidget(field, 0, Qt::AlignLeft);
}

void AddRow(QVBoxLayout* column, QLayout* row)
{
    row->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < row->count(); ++i) {
        if (QWidget* widget = row->itemAt(i)->widget())
            widget->setFixedHeight(kRowHeight);
    }
    column->addLayout(row);
}

int LabelWidth(const QLabel* label)
{
    return label->sizeHint().width();
}

int WidestLabel(std::initializer_list<const QLabel*> labels)
{
    int widest = 0;
    for (const QLabel* label : labels)
        widest = std::max(widest, LabelWidth(label));
    return widest;
}

void SetActionText(QAction* action, const QString& caption, const QString& hint)
{
    action->setText(caption);
    action->setToolTip(hint);
    action->setStatusTip(hint);
}

void BindButton(QAbstractButton* button, QAction* action)
{
    auto follow = [button, action] {
        button->setText(action->text());
        button->setToolTip(action->toolTip() == action->text() ? QString() : action->toolTip());
        button->setStatusTip(action->statusTip());
        button->setEnabled(action->isEnabled());
    };
    follow();
    QObject::connect(action, &QAction::changed, button, follow);
    QObject::connect(button, &QAbstractButton::clicked, action, [action] {
        if (action->isEnabled())
            action->trigger();
    });
}

void SetHint(QWidget* widget, const QString& hint)
{
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
}

void ApplyWindowFont(QWidget* window)
{
    QFont font(QStringLiteral("DejaVu Sans"), 8);
    font.setStyleHint(QFont::SansSerif);
    window->setFont(font);
}

void ShowAsHeading(QWidget* label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    label->setPalette(palette);
}

void CentreOnPage(QWidget* page, QWidget* block)
{
    auto* grid = new QGridLayout(page);
    grid->addWidget(block, 1, 1);
    grid->setRowStretch(0, 1);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
}

void ConfigureRecordGrid(QTableView* grid)
{
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setShowGrid(true);
    grid->setAlternatingRowColors(false);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->verticalHeader()->setDefaultSectionSize(kRowHeight - 4);
    grid->verticalHeader()->setMinimumWidth(12);
    QPalette colours = grid->palette();
    colours.setColor(QPalette::Inactive, QPalette::Highlight,
                     colours.color(QPalette::Active, QPalette::Highlight));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     colours.color(QPalette::Active, QPalette::HighlightedText));
    grid->setPalette(colours);
}

void SetGridColumns(QTableView* grid, const QStringList& titles, const QList<int>& widths)
{
    auto* model = qobject_cast<QStandardItemModel*>(grid->model());
    if (model == nullptr) {
        model = new QStandardItemModel(grid);
        grid->setModel(model);
    }
    model->setColumnCount(static_cast<int>(titles.size()));
    model->setHorizontalHeaderLabels(titles);
    for (int column = 0; column < widths.size() && column < titles.size(); ++column) {
        if (widths[column] > 0)
            grid->setColumnWidth(column, widths[column]);
    }
}

QWidget* MakeButtonBar(QWidget* parent, const QString& objectName, int height,
                       QAbstractButton* button)
{
    auto* bar = new QWidget(parent);
    bar->setObjectName(objectName);
    bar->setFixedHeight(height);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    button->setParent(bar);
    layout->addWidget(button);
    layout->addStretch();
    return bar;
}

} // namespace lumtaris
