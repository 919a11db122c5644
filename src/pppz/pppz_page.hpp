#pragma once

// The PPPZ page tabPPPZ: the subject line, the grid of reported months, the entry block and
// "Uložit". The commands are actions bound to their buttons; the page reads the fields into a
// PppzEntry, lets PppzEditor decide and shows the answer.

#include "platform/file_write.hpp"
#include "pppz/pppz_editor.hpp"
#include "profiles/insurer.hpp"

#include <QObject>
#include <QStringList>

#include <chrono>
#include <memory>

class QAction;
class QLabel;
class QPushButton;
class QTableView;
class QToolButton;
class QWidget;

namespace lumtaris {

class DateEdit;
class NumberEdit;
class Platform;
class PppzGridModel;
class SettingsKey;
class SpinEdit;
class SubjectPage;

class PppzPage final : public QObject
{
    Q_OBJECT
public:
    // `subject` holds the IČO and unit that name and fill the file; `mainKey` remembers the
    // directory saved into.
    PppzPage(Platform& platform, SettingsKey& mainKey, const SubjectPage& subject,
             QObject* parent = nullptr);
    ~PppzPage() override;

    QWidget* tabPPPZ;
    QLabel* pnlPPPZ_IC_OJ;
    QTableView* grdPPPZ;
    QWidget* pnlPPPZNazvy;
    QLabel* lblPPPZMesRok;
    QLabel* lblPPPZPocPoj;
    QLabel* lblPPPZVymZakl;
    QLabel* lblPPPZKC;
    QLabel* lblPPPZDatSplat;
    QLabel* lblPPPZDatOpr;
    SpinEdit* edtPPPZMesic;
    QLabel* lblPPPZPomlcka;
    SpinEdit* edtPPPZRok;
    NumberEdit* edtPPPZPocPoj;
    NumberEdit* edtPPPZVymZakl;
    NumberEdit* edtPPPZKC;
    QToolButton* sbCalcKC;
    DateEdit* edtPPPZDatSplat;
    DateEdit* edtPPPZDatOpr;
    QPushButton* btnPPPZZalozit;
    QPushButton* btnPPPZOpravit;
    QPushButton* btnPPPZOdstranit;
    QPushButton* btnPPPZOdeslat;

    QAction* actPPPZZalozit;
    QAction* actPPPZOpravit;
    QAction* actPPPZOdstranit;
    QAction* actPPPZOdeslat;

    // The grid's column titles as InitCaptions set them, for the record list's model.
    QStringList gridTitles;

    void InitCaptions(InsurerIndex insurer);
    // The reporting period (the month before today) and the proposed due date.
    void InitDefaults(std::chrono::year_month_day today);
    // Opens memPPPZ empty for the run; until then every command is disabled.
    void OpenRecordList();
    void CloseRecordList();
    // The enabling rules, asked whenever the application goes idle.
    void UpdateActions();

    // The commands; each checks its rule again first.
    void actPPPZZalozitExecute();
    void actPPPZOpravitExecute();
    void actPPPZOdstranitExecute();
    void actPPPZOdeslatExecute();
    void sbCalcKCClick();

    // The record list and its state; nothing before OpenRecordList.
    const PppzEditor* editor() const { return editor_.get(); }
    PppzGridModel* gridModel() const { return gridModel_; }

    // Lets a test put a device of its own between the file writer and the file.
    void SetWriteDeviceFilter(WriteDeviceFilter filter) { writeFilter_ = std::move(filter); }

signals:
    // The submission was saved to `path`: the result page's texts.
    void Saved(const QString& path, const QString& subject, const QString& link);

private:
    PppzEntry ReadEntry() const;
    void LoadEntry(const PppzEntry& entry);
    void FocusField(PppzField field);
    void ShowStoreActionText();
    // After a command: the grid follows the list, the highlight the current record.
    void FollowList();
    void GridRowChanged(int row);

    Platform& platform_;
    SettingsKey& mainKey_;
    const SubjectPage& subject_;
    InsurerIndex insurer_ = 0;
    std::unique_ptr<PppzEditor> editor_;
    PppzGridModel* gridModel_;
    WriteDeviceFilter writeFilter_;
    // Set while the page itself moves the grid, so that the grid does not move the list back.
    bool following_ = false;
};

} // namespace lumtaris
