#pragma once

// Small helpers shared by the pages: label columns sized to their texts, bold and heading
// labels, and buttons that follow an action's caption, hint and enabling.

#include <QList>
#include <QString>
#include <QStringList>

#include <initializer_list>

class QAbstractButton;
class QAction;
class QBoxLayout;
class QLabel;
class QLayout;
class QTableView;
class QVBoxLayout;
class QWidget;

namespace lumtaris {

// Height of one entry row, the same in a label column and in its edit column so that the two
// line up.
inline constexpr int kRowHeight = 22;
inline constexpr int kRowSpacing = 2;

QLabel* MakeLabel(QWidget* parent, const QString& objectName, bool bold = false);
// A large bold separator such as " - " between two fields.
QLabel* MakeSeparator(QWidget* parent, const QString& objectName, const QString& text);

// A vertical column of rows of kRowHeight.
QVBoxLayout* MakeRowColumn(QWidget* column);
// Adds a row: one widget, or a row layout of several, fixed to kRowHeight.
void AddRow(QVBoxLayout* column, QWidget* field);
void AddRow(QVBoxLayout* column, QLayout* row);

// The width of an automatically sized label: what its text needs.
int LabelWidth(const QLabel* label);
// The widest of the labels.
int WidestLabel(std::initializer_list<const QLabel*> labels);

// Caption and hint of an action; the hint shows in the status bar and as a tooltip.
void SetActionText(QAction* action, const QString& caption, const QString& hint);
// The button shows the action's caption, hint and enabled state, and triggers it when clicked.
void BindButton(QAbstractButton* button, QAction* action);
// A hint shown as tooltip and in the status bar.
void SetHint(QWidget* widget, const QString& hint);

// The program's window font: a sans-serif 8-point face.
void ApplyWindowFont(QWidget* window);
// Headings are navy. Set through the palette: a style sheet would bring in the style-sheet
// machinery before the first dialog shows.
void ShowAsHeading(QWidget* label);

// Puts the widget in the middle of its page, horizontally and vertically.
void CentreOnPage(QWidget* page, QWidget* block);

// A read-only record grid: whole-row selection that stays visible without the focus, grid
// lines, resizable columns, a narrow record indicator at the left.
void ConfigureRecordGrid(QTableView* grid);
// Gives the grid an empty model with these column titles and widths (0 keeps the default).
void SetGridColumns(QTableView* grid, const QStringList& titles, const QList<int>& widths);

// A bottom bar of the given height with one button in its middle.
QWidget* MakeButtonBar(QWidget* parent, const QString& objectName, int height,
                       QAbstractButton* button);

} // namespace lumtaris
