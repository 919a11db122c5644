#pragma once

// The invoice page tabVYU2: the client block with the bank account, the invoice header, the
// flat-rate/capitation item, the batch list and "Uložit".

#include "billing/invoice_checks.hpp"
#include "billing/invoice_setup.hpp"
#include "billing/kbatch_reader.hpp"
#include "platform/file_write.hpp"
#include "profiles/insurer.hpp"

#include <QObject>

#include <chrono>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;
class QWidget;

namespace lumtaris {

class NumberEdit;
class Platform;
class SettingsKey;
class SpinEdit;
class SubjectHistory;
class TfrmVyberSubjekt;

class InvoicePage final : public QObject
{
    Q_OBJECT
public:
    InvoicePage(Platform& platform, SubjectHistory& history, TfrmVyberSubjekt& picker,
                SettingsKey& mainKey, QObject* parent = nullptr);

    QWidget* tabVYU2;

    // Header area: the client block and the two headings along its bottom edge.
    QWidget* pnlVYU2ZahlaviClient;
    QWidget* pnlVYU2Zahlavi;
    QLabel* lblVYU2Zahlavi;
    QWidget* pnlVYU2ZahlaviNazvy;
    QLabel* lblVYU2ICZ;
    QLabel* lblVYU2IC_OJ;
    QLabel* lblVYU2KodBanky;
    QLabel* lblVYU2UcetSS;
    QLabel* lblVYU2UcetPredcisli;
    QLabel* lblVYU2Ucet;
    NumberEdit* edtVYU2ICZ;
    QToolButton* btnVyberICZ;
    NumberEdit* edtVYU2IC;
    QLabel* lblVYU2Pomlcka;
    NumberEdit* edtVYU2OJ;
    QLineEdit* edtVYU2KodBanky;
    QLineEdit* edtVYU2UcetSS;
    QLineEdit* edtVYU2UcetPredcisli;
    QLineEdit* edtVYU2Ucet;
    QLabel* lblVYU2FakturyNadpis;
    QLabel* lblVYU2DavkyNadpis;

    // Invoice block.
    QWidget* pnlVYU2Faktura;
    QWidget* pnlVYU2FakturaNazvy;
    QLabel* lblVYU2Cif;
    QLabel* lblVYU2MesicRok;
    QLabel* lblVYU2DatPredani;
    QLabel* lblVYU2FaktCastka;
    NumberEdit* edtVYU2Cif;
    SpinEdit* edtVYU2Mesic;
    QLabel* lblVYU2Lomitko;
    SpinEdit* edtVYU2Rok;
    QLineEdit* edtVYU2DatPred;
    NumberEdit* edtVYU2FaktCastka;
    QLabel* lblVYU2DruhPojNadpis;
    QLineEdit* edtVYU2FaktDruhPoj;
    QLabel* lblVYU2FaktPoznamka;
    QLineEdit* edtVYU2FaktPoznamka;

    // Flat-rate/capitation item and batch list.
    QWidget* pnlVYU2PausalKapitace;
    QLabel* lblVYU2HintPK;
    QComboBox* edtVYU2PausalKapitace;
    NumberEdit* edtVYU2Castka;
    QTreeWidget* lvVYU2Davky;

    QPushButton* btnVYU2Odeslat;
    QAction* actVYU2Odeslat;

    // Captions, the bank-account fields and the block widths of the insurer.
    void InitCaptions(InsurerIndex insurer);
    // Shows the pick button and pre-fills IČZ, IČO and unit from the newest history entry.
    void PrefillFromHistory();
    // The billing period (the month before today) and the hand-over date (today).
    void InitDefaults(std::chrono::year_month_day today);

    // Height of the header area: 200 with the bank-account fields, 110 without.
    int HeaderHeight() const { return headerHeight_; }
    bool BankFieldsShown() const;

    void LoadUcetFromReg();
    void SaveUcetToReg();

    void btnVyberICZClick();
    void UpdateActions();

    // Opens the page as the file page's "Pořídit" decided: the batches, the subject, the
    // flat-rate/capitation rows and the batch list.
    void ApplySetup(const InvoicePageSetup& setup);

    // The flat-rate/capitation choice changed; `byUser` when the user changed it.
    void edtVYU2PausalKapitaceChange(bool byUser);
    // While the invoice amount is disabled it follows the item amount.
    void edtVYU2CastkaChange();
    // "Uložit": the checks, then the F-batch file and the K-batch copy side by side.
    void actVYU2OdeslatExecute();

    // The fields as the core reads them.
    InvoiceFields ReadFields() const;

    const std::string& KBatchPath() const { return kBatchPath_; }
    const KBatchContent& KBatchRecords() const { return kbatch_; }
    bool FlatRateItemChosen() const { return flatRateItemChosen_; }
    char DecimalSeparator() const { return decimalSeparator_; }

    // Tests put their own device between the F-batch writer and the file.
    void SetWriteDeviceFilter(WriteDeviceFilter filter) { writeFilter_ = std::move(filter); }

signals:
    // A successful save: the result page's file line, subject line and portal link.
    void Saved(const QString& path, const QString& subject, const QString& link);

private:
    void ApplyItemChoice(const FlatRateChoiceEffect& effect);
    void FillBatchList(const BatchList& list);
    FlatRateItem CurrentItem() const;
    // Writes the F-batch file and places the K-batch copy; false when a failure was shown.
    bool UlozVYU(const InvoiceFields& fields, const QString& target, const QString& copy,
                 bool copyNeeded);

    Platform& platform_;
    SubjectHistory& history_;
    TfrmVyberSubjekt& picker_;
    SettingsKey& mainKey_;
    int headerHeight_ = 110;
    InsurerIndex insurer_ = 0;
    // Billing state: the chosen K-batch file (empty for none), its batches and whether an
    // item is added.
    std::string kBatchPath_;
    KBatchContent kbatch_;
    bool flatRateItemChosen_ = false;
    char decimalSeparator_;
    WriteDeviceFilter writeFilter_;
};

} // namespace lumtaris
