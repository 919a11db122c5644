#pragma once

// The frame the two record pages share: the subject header, the record grid below it, and the
// entry block under the grid with a column of labels and a column of fields in matching rows.
// The page adds its rows, its buttons and its save bar.

#include <QString>

class QAction;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTableView;
class QVBoxLayout;
class QWidget;

namespace lumtaris {

struct RecordPageFrame
{
    QVBoxLayout* page = nullptr;
    QLabel* header = nullptr;        // pnl<kind>_IC_OJ
    QTableView* grid = nullptr;      // grd<kind>
    QWidget* entry = nullptr;        // pnl<kind>Entry
    QHBoxLayout* entryRow = nullptr; // names and fields so far; the page adds the rest
    QWidget* names = nullptr;        // pnl<kind>Nazvy
    QVBoxLayout* nameRows = nullptr;
    QWidget* fields = nullptr; // pnl<kind>Pole
    QVBoxLayout* fieldRows = nullptr;
};

// Builds the frame in `tab`; `kind` is the part of the object names between the prefix and the
// suffix ("HOZ", "PPPZ"), `entryHeight` the fixed height of the entry block.
RecordPageFrame BuildRecordPageFrame(QWidget* tab, const QString& kind, int entryHeight);

// The column of command buttons (pnl<kind>Tlacitka) in the entry block, added to its row;
// `leftMargin` keeps it off the fields.
QVBoxLayout* AddButtonColumn(const RecordPageFrame& frame, const QString& kind, int leftMargin);
// A 90 x 25 button in that column bound to `action`.
QPushButton* AddCommandButton(QVBoxLayout* column, const char* name, QAction* action);
// The save button (btn<kind>Odeslat) bound to `action`, in its bar (pnl<kind>Odeslat) at the
// foot of the page.
QPushButton* AddSaveBar(const RecordPageFrame& frame, QWidget* tab, const QString& kind,
                        QAction* action);

} // namespace lumtaris
