#include "widgets/record_page.hpp"

#include "widgets/form_layout.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace lumtaris {

RecordPageFrame BuildRecordPageFrame(QWidget* tab, const QString& kind, int entryHeight)
{
    RecordPageFrame frame;
    frame.page = new QVBoxLayout(tab);
    frame.page->setContentsMargins(4, 0, 4, 0);
    frame.page->setSpacing(0);

    frame.header = MakeLabel(tab, QStringLiteral("pnl%1_IC_OJ").arg(kind), true);
    frame.header->setFixedHeight(25);
    frame.header->setIndent(4);
    frame.page->addWidget(frame.header);

    frame.grid = new QTableView(tab);
    frame.grid->setObjectName(QStringLiteral("grd%1").arg(kind));
    ConfigureRecordGrid(frame.grid);
    frame.page->addWidget(frame.grid, 1);

    frame.entry = new QWidget(tab);
    frame.entry->setObjectName(QStringLiteral("pnl%1Entry").arg(kind));
    frame.entry->setFixedHeight(entryHeight);
    frame.entryRow = new QHBoxLayout(frame.entry);
    frame.entryRow->setContentsMargins(0, 2, 0, 2);
    frame.entryRow->setSpacing(0);
    frame.page->addWidget(frame.entry);

    frame.names = new QWidget(frame.entry);
    frame.names->setObjectName(QStringLiteral("pnl%1Nazvy").arg(kind));
    frame.nameRows = MakeRowColumn(frame.names);
    frame.fields = new QWidget(frame.entry);
    frame.fields->setObjectName(QStringLiteral("pnl%1Pole").arg(kind));
    frame.fieldRows = MakeRowColumn(frame.fields);
    frame.entryRow->addWidget(frame.names);
    frame.entryRow->addWidget(frame.fields);
    return frame;
}

QVBoxLayout* AddButtonColumn(const RecordPageFrame& frame, const QString& kind, int leftMargin)
{
    auto* buttons = new QWidget(frame.entry);
    buttons->setObjectName(QStringLiteral("pnl%1Tlacitka").arg(kind));
    auto* column = new QVBoxLayout(buttons);
    column->setContentsMargins(leftMargin, 0, 4, 0);
    column->setSpacing(6);
    frame.entryRow->addWidget(buttons);
    return column;
}

QPushButton* AddCommandButton(QVBoxLayout* column, const char* name, QAction* action)
{
    auto* button = new QPushButton(column->parentWidget());
    button->setObjectName(QString::fromLatin1(name));
    button->setFixedSize(90, 25);
    BindButton(button, action);
    column->addWidget(button);
    return button;
}

QPushButton* AddSaveBar(const RecordPageFrame& frame, QWidget* tab, const QString& kind,
                        QAction* action)
{
    auto* button = new QPushButton;
    button->setObjectName(QStringLiteral("btn%1Odeslat").arg(kind));
    button->setFixedSize(90, 25);
    BindButton(button, action);
    frame.page->addWidget(MakeButtonBar(tab, QStringLiteral("pnl%1Odeslat").arg(kind), 33, button));
    return button;
}

} // namespace lumtaris
