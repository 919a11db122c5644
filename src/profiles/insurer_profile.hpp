#pragma once

// Everything that differs between the five insurers: texts, rule flags and portal links.
// Each row holds one UTF-8 text per insurer and is read at the run's InsurerIndex. Flags are
// one-character texts and are compared as texts.

#include "profiles/insurer.hpp"

#include <array>
#include <string>
#include <string_view>

namespace lumtaris {

using ProfileRow = std::array<std::string_view, kInsurerCount>;

inline constexpr std::size_t kHozChangeCodeCount = 25;
using HozChangeCodeList = std::array<std::string_view, kHozChangeCodeCount>;

struct InsurerProfileRows
{
    // Identity and titles.
    ProfileRow InsurerCode;
    ProfileRow InsurerShortName;
    ProfileRow TitleHoz;
    ProfileRow TitlePppz;
    ProfileRow TitleBilling;

    // Subject entry and common buttons.
    ProfileRow LabelIco;
    ProfileRow LabelOrgUnit;
    ProfileRow LabelIcz;
    ProfileRow CaptionCreate;
    ProfileRow HintCreate;
    ProfileRow CaptionAdd;
    ProfileRow HintAdd;

    // HOZ page.
    ProfileRow LabelChangeCode;
    ProfileRow LabelInsuredNumber;
    ProfileRow LabelSurname;
    ProfileRow LabelFirstName;
    ProfileRow LabelChangeDate;
    ProfileRow LabelStreet;
    ProfileRow LabelTown;
    ProfileRow LabelPostCode;
    std::array<const HozChangeCodeList*, kInsurerCount> HozChangeCodes;

    // PPPZ page.
    ProfileRow LabelPppzMonth;
    ProfileRow LabelPppzYear;
    ProfileRow LabelInsuredCount;
    ProfileRow LabelAssessmentBase;
    ProfileRow LabelPremium;
    ProfileRow LabelDueDate;
    ProfileRow LabelCorrectionDate;
    ProfileRow MsgPeriod;
    ProfileRow MsgNotTwice;
    ProfileRow MsgYearRange;
    ProfileRow MsgDueDateYear;
    ProfileRow MsgPremiumRate;
    ProfileRow MsgRangeJoin;

    // Billing pages.
    ProfileRow LabelFileChoice;
    ProfileRow LabelKBatchFile;
    ProfileRow MsgKBatchRequired;
    ProfileRow MsgKBatchEmpty;
    ProfileRow MsgKBatchMixedIcz;
    ProfileRow MsgDuplicateBatch;
    ProfileRow MsgBatchFilePrefix;
    ProfileRow MsgBatchFileNoBatches;
    ProfileRow MsgMixedRelationTypes;
    ProfileRow TitleClientId;
    ProfileRow LabelBillingMonth;
    ProfileRow LabelBillingYear;
    ProfileRow LabelInvoiceNumber;
    ProfileRow LabelHandOverDate;
    ProfileRow LabelInvoiceAmount;
    ProfileRow LabelNote;
    ProfileRow TitleBatchList;
    ProfileRow ColumnCharacter;
    ProfileRow ColumnBatchType;
    ProfileRow ColumnBatchNumber;
    ProfileRow ColumnDocumentCount;
    ProfileRow ColumnPoints;
    ProfileRow ColumnMoney;
    ProfileRow HintFlatRate;
    ProfileRow ItemNone;
    ProfileRow ItemFlatRate;
    ProfileRow ItemCapitation;

    // Bank account.
    ProfileRow LabelBankCode;
    ProfileRow LabelSpecificSymbol;
    ProfileRow LabelAccountPrefix;
    ProfileRow LabelAccountNumber;
    ProfileRow MsgBankCodeMissing;
    ProfileRow MsgPrefixMissing;
    ProfileRow MsgAccountMissing;
    ProfileRow MsgPrefixChecksum;
    ProfileRow MsgAccountChecksum;
    ProfileRow MsgSymbolOnly0800;
    ProfileRow MsgBankCodeDigits;
    ProfileRow MsgPrefixDigits;
    ProfileRow MsgSymbolDigits;

    // Rule flags.
    ProfileRow InvoiceWithoutBatchAllowed;
    ProfileRow FlatRateOffered;
    ProfileRow BankAccountMode;
    ProfileRow ZeroInvoiceAmountAllowed;
    ProfileRow IcoMandatory;
    ProfileRow NoFlatRateWithType80;
    ProfileRow Type80NeedsCapitation;

    // Portal login pages, opened from the result page.
    ProfileRow LinkPortalHoz;
    ProfileRow LinkPortalPppz;
    ProfileRow LinkPortalBilling;
};

extern const InsurerProfileRows InsurerProfileTable;

// A relation type of a billing batch: the code, " - " and its name.
std::string RelationTypeText(char code);

} // namespace lumtaris
