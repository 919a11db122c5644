#pragma once

// The HOZ page tabHOZ: the subject line, the record grid, the entry block and "Uložit".
// The commands are actions bound to their buttons; the record rules fill them in.

#include "hoz/hoz_editor.hpp"
#include "platform/file_write.hpp"
#include "profiles/insurer.hpp"

#include <QObject>
#include <QStringList>

#include <memory>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QWidget;

namespace lumtaris {

class DateEdit;
class HozGridModel;
class Platform;
class SettingsKey;

class HozPage final : public QObject
{
    Q_OBJECT
public:
    explicit HozPage(Platform& platform, QObject* parent = nullptr);

    QWidget* tabHOZ;
    QLabel* pnlHOZ_IC_OJ;
    QTableView* grdHOZ;
    QWidget* pnlHOZNazvy;
    QLabel* lblHOZKod;
    QLabel* lblHOZCPoj;
    QLabel* lblHOZPrijmeni;
    QLabel* lblHOZJmeno;
    QLabel* lblHOZDatum;
    QLabel* lblHOZUlice;
    QLabel* lblHOZObec;
    QLabel* lblHOZPSC;
    QComboBox* edtHOZKod;
    QLineEdit* edtHOZCPoj;
    QLineEdit* edtHOZPrijmeni;
    QLineEdit* edtHOZJmeno;
    DateEdit* edtHOZDatum;
    QLineEdit* EdtHOZUlice;
    QLineEdit* EdtHOZObec;
    QLineEdit* EdtHOZPSC;
    QPushButton* btnHOZZalozit;
    QPushButton* btnHOZOpravit;
    QPushButton* btnHOZVymazat;
    QPushButton* Button1;
    QPushButton* btnHOZOdeslat;

    QAction* actHOZZalozit;
    QAction* actHOZOpravit;
    QAction* actHOZOdstranit;
    QAction* actHOZDuplikovat;
    QAction* actHOZOdeslat;

    // The grid's column titles as InitCaptions set them, for the record list's model.
    QStringList gridTitles;

    // Captions, labels, column titles and the change-code list of the insurer.
    void InitCaptions(InsurerIndex insurer);
    // Opens the (empty) record list of the run.
    void OpenRecordList();
    // Discards the records when the window closes.
    void CloseRecordList();
    // The enabling rules, asked whenever the application goes idle.
    void UpdateActions();

    // The four record commands; each does nothing when its rule does not hold.
    void actHOZZalozitExecute();
    void actHOZOpravitExecute();
    void actHOZOdstranitExecute();
    void actHOZDuplikovatExecute();
    // The save of actHOZOdeslatExecute, which the window runs: the list written as the
    // submission of this IČO and unit (the subject fields' texts). The saved path; nothing when
    // the rule does not hold, the user stopped it or writing failed (already shown).
    std::optional<QString> SaveSubmission(SettingsKey& mainKey, const QString& icoText,
                                          const QString& unitText);

    // The entry fields as typed.
    HozEntry ReadEntry() const;

    // The list of the run; nothing before OpenRecordList and after CloseRecordList.
    const HozEditor* editor() const { return editor_.get(); }
    HozGridModel* gridModel() const { return gridModel_; }

    // Tests put a failing device between the writer and the file through this.
    void SetWriteFilterForTest(WriteDeviceFilter filter) { writeFilter_ = std::move(filter); }

private:
    void ShowEntry(const HozEntryView& view);
    // The grid takes over the list (unless frozen) and highlights its current record.
    void ShowList();
    void GridRowChanged(int row);

    Platform& platform_;
    InsurerIndex insurer_ = 0;
    std::unique_ptr<HozEditor> editor_;
    HozGridModel* gridModel_ = nullptr;
    bool showingList_ = false;
    WriteDeviceFilter writeFilter_;
};

} // namespace lumtaris
