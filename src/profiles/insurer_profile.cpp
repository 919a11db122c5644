#include "profiles/insurer_profile.hpp"

#include "common/codepage.hpp"

namespace lumtaris {

namespace {

// Columns: OZP, ZPŠ, RBP, ČPZP, VoZP.
constexpr ProfileRow All(std::string_view text)
{
    return {text, text, text, text, text};
}

constexpr ProfileRow OzpElse(std::string_view ozp, std::string_view others)
{
    return {ozp, others, others, others, others};
}

constexpr ProfileRow ZpsElse(std::string_view zps, std::string_view others)
{
    return {others, zps, others, others, others};
}

constexpr HozChangeCodeList kHozChangeCodes{
    "P Nový zaměstnanec/změna ZP",
    "C Nový zaměstnanec (cizinec)",
    "A Zaměstnanec do 30.4 04 \"C\"",
    "E Nový zaměstnanec z EU",
    "O Odhlášení zaměst./změna ZP",
    "M Mateřská dov./rodič. přísp.",
    "U Ztráta nároku na \"M\"",
    "D Zaměstnanec důchodce",
    "H Odejmutí důchodu",
    "G Nezaopatřené dítě",
    "F Ztráta nároku na \"G\"",
    "L Péče o dítě/děti do 7/15",
    "T Ztráta nároku na \"L\"",
    "N Dávky nemocenského poj.",
    "K Ztráta nároku na \"N\"",
    "I Úřad práce",
    "J Ztráta nároku na \"I\"",
    "X Oprava čísla pojištěnce",
    "Y Oprava data přihlášení",
    "Z Oprava data odhlášení",
    "Q Příjemce svědečného u soudu, přihlášený na jeden den",
    "S Zahájení vyplácení penze z doplňkového penzijního spoření",
    "R Ukončení vyplácení penze z doplňkového penzijního spoření",
    "W Přihlášení manžela/ky nebo registrovaného partnera státního zaměstnance podle zákona o "
    "státní službě",
    "V Odhlášení manžela/ky nebo registrovaného partnera státního zaměstnance podle zákona o "
    "státní službě",
};

// ČPZP runs its own login page; the others share the insurers' joint portal.
constexpr ProfileRow kPortalLinks{
    "https://www.portalzp.cz/app/prihlaseni", "https://www.portalzp.cz/app/prihlaseni",
    "https://www.portalzp.cz/app/prihlaseni", "https://www.cpzp.cz/prepazka/",
    "https://www.portalzp.cz/app/prihlaseni",
};

} // namespace

const InsurerProfileRows InsurerProfileTable{
    .InsurerCode = {"207", "209", "213", "205", "201"},
    .InsurerShortName = {"OZP", "ZPŠ", "RBP", "ČPZP", "VoZP ČR"},
    .TitleHoz = All("Hromadné oznámení zaměstnavatele"),
    .TitlePppz = All("Přehled plateb pojistného zaměstnavatele"),
    .TitleBilling = ZpsElse("Pořízení faktury", "Pořízení vyúčtování"),

    .LabelIco = ZpsElse("IČ", "IČO"),
    .LabelOrgUnit = All("Org. jednotka"),
    .LabelIcz = All("IČZ"),
    .CaptionCreate = All("Pořídit"),
    .HintCreate = All("Zobrazí formulář pro pořízení nového záznamu"),
    .CaptionAdd = All("Založit"),
    .HintAdd = All("Založí záznam do seznamu"),

    .LabelChangeCode = OzpElse("Kód změny", "Kód"),
    .LabelInsuredNumber = All("Číslo pojištěnce"),
    .LabelSurname = All("Příjmení"),
    .LabelFirstName = All("Jméno"),
    .LabelChangeDate = OzpElse("Datum změny", "Datum"),
    .LabelStreet = All("Ulice"),
    .LabelTown = All("Obec"),
    .LabelPostCode = All("PSČ"),
    .HozChangeCodes = {&kHozChangeCodes, &kHozChangeCodes, &kHozChangeCodes, &kHozChangeCodes,
                       &kHozChangeCodes},

    .LabelPppzMonth = All("Měsíc"),
    .LabelPppzYear = All("Rok"),
    .LabelInsuredCount = All("Počet pojištěnců"),
    .LabelAssessmentBase = All("Vyměřovací základ"),
    .LabelPremium = OzpElse("Výše pojistného", "Pojistné"),
    .LabelDueDate = All("Datum splatnosti"),
    .LabelCorrectionDate = All("Datum opravy"),
    .MsgPeriod = All("Dané období"),
    .MsgNotTwice = All("nesmí být předáno vícenásobně"),
    .MsgYearRange = All("Rok hlášení musí být buď letošní, nebo starší (nanejvýše 10 let zpět)"),
    .MsgDueDateYear = All("Datum splatnosti musí odpovídat vykázanému roku. Nesmí být novější než"),
    .MsgPremiumRate = All(
        "Pojistné by mělo být 13,5% z vyměřovacích základů zaměstnanců, ale je předána jiná "
        "hodnota. Možná je chybně uveden součet vyměřovacích základů zaměstnanců, možná je chybně "
        "uvedeno pojistné. Očekávaná hodnota pojistného vůči vyměřovacímu základu a s přihlédnutím "
        "na zaokrouhlování je mezi"),
    .MsgRangeJoin = All("až"),

    .LabelFileChoice = OzpElse("Volba souborů s žádostmi o vyúčtování a s dávkami",
                               "Volba souborů s fakturami a s dávkami"),
    .LabelKBatchFile = {"Připojit soubor s dávkami\r\n(kdavka.207)", "Soubor s dávkami",
                        "Připojit soubor s dávkami", "Připojit soubor s dávkami",
                        "Připojit soubor s dávkami"},
    .MsgKBatchRequired = All("Musí být přiložen soubor KDAVKA"),
    .MsgKBatchEmpty = All("Soubor KDAVKA nesmí být prázdný"),
    .MsgKBatchMixedIcz = All("V souboru KDAVKA se nacházejí dávky pro různá IČZ"),
    .MsgDuplicateBatch = All("Duplicitní dávka (věta D)."),
    .MsgBatchFilePrefix = All("Soubor s dávkami"),
    .MsgBatchFileNoBatches = All("neobsahuje dávky"),
    .MsgMixedRelationTypes =
        All("Pokud soubor KDAVKA obsahuje dávku s druhem pojistného vztahu 4 (Pojištění EU a "
            "mezinárodní smlouvy), nesmí obsahovat dávky s druhem pojistného vztahu 1 (Veřejné "
            "zdravotní pojištění)."),
    .TitleClientId = All("Identifikace klienta"),
    .LabelBillingMonth = All("Měsíc"),
    .LabelBillingYear = All("Rok"),
    .LabelInvoiceNumber = All("Číslo faktury"),
    .LabelHandOverDate = OzpElse("Datum vystavení", "Datum předání"),
    .LabelInvoiceAmount = All("Fakturovaná částka"),
    .LabelNote = All("Poznámka"),
    .TitleBatchList = ZpsElse("Dávky obsažené v souboru", "Položky obsažené ve faktuře"),
    .ColumnCharacter = OzpElse("Char. (P/O)", "Char."),
    .ColumnBatchType = OzpElse("Typ dávky", "Typ"),
    .ColumnBatchNumber = All("Číslo dávky"),
    .ColumnDocumentCount = {"Počet dokladů", "Počet dokladů", "Počet dokl.", "Počet dokl.",
                            "Počet dokl."},
    .ColumnPoints = All("Body"),
    .ColumnMoney = All("Kč/mat."),
    .HintFlatRate = All("Zde můžete do faktury přidat položku za paušál/kapitace."),
    .ItemNone = All("Není"),
    .ItemFlatRate = All("Paušál"),
    .ItemCapitation = All("Kapitace"),

    .LabelBankCode = ZpsElse("Kód banky (nepovinné)", "Kód banky"),
    .LabelSpecificSymbol = ZpsElse("Specifický symbol (nepovinné)", "Specifický symbol"),
    .LabelAccountPrefix = ZpsElse("Předčíslí bank. účtu (nepovinné)", "Předčíslí bank. účtu"),
    .LabelAccountNumber = ZpsElse("Bankovní účet (nepovinné)", "Bankovní účet"),
    .MsgBankCodeMissing = All("Kód peněžního ústavu musí být vyplněn."),
    .MsgPrefixMissing = All("Předčíslí bankovního účtu musí být vyplněno."),
    .MsgAccountMissing = All("Číslo bankovního účtu musí být vyplněno."),
    .MsgPrefixChecksum = All("Chyba v kontrolním součtu u předčíslí bankovního účtu."),
    .MsgAccountChecksum = All("Chyba v kontrolním součtu u čísla bankovního účtu."),
    .MsgSymbolOnly0800 = All("Specifický symbol smí být vyplněn jen pro banku 0800."),
    .MsgBankCodeDigits = All("Kód peněžního ústavu musí obsahovat 4 číslice."),
    .MsgPrefixDigits =
        All("Předčíslí bankovního účtu musí obsahovat kladné celé číslo nebo 000000."),
    .MsgSymbolDigits = All("Je-li vyplněn specifický symbol, musí obsahovat jen číslice."),

    .InvoiceWithoutBatchAllowed = All("1"),
    .FlatRateOffered = {"1", "0", "1", "1", "1"},
    .BankAccountMode = {"0", "1", "1", "0", "5"},
    .ZeroInvoiceAmountAllowed = All("1"),
    .IcoMandatory = {"2", "0", "2", "0", "2"},
    .NoFlatRateWithType80 = {"0", "0", "0", "0", "1"},
    .Type80NeedsCapitation = {"0", "1", "0", "0", "0"},

    .LinkPortalHoz = kPortalLinks,
    .LinkPortalPppz = kPortalLinks,
    .LinkPortalBilling = kPortalLinks,
};

std::string RelationTypeText(char code)
{
    std::string_view name;
    switch (code) {
    case '1':
        name = "Veřejné zdravotní pojištění";
        break;
    case '2':
        name = "Smluvní připojištění";
        break;
    case '3':
        name = "Cestovní zdravotní připojištění";
        break;
    case '4':
        name = "Pojištění EU a mezinárodní smlouvy";
        break;
    default:
        name = "Neznámý druh pojistného vztahu";
        break;
    }
    // The code comes from a batch file, so it is an 8-bit character.
    return Utf8FromCp1250(std::string_view(&code, 1)) + " - " + std::string(name);
}

} // namespace lumtaris
