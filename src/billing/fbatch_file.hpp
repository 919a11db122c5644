#pragma once

// The F-batch file ("FDAVKA." + insurer code): the invoice batch that pairs with the K-batch
// file. Built as bytes; the Qt layer writes them and places the K-batch file beside them.

#include "billing/invoice_checks.hpp"
#include "billing/kbatch_reader.hpp"
#include "profiles/insurer.hpp"

#include <string>
#include <vector>

namespace lumtaris {

struct FBatchInput
{
    InvoiceFields fields;
    InsurerIndex insurer = 0;
    bool withKBatchFile = false;       // KBatchPath not empty
    std::vector<KBatchRecord> records; // KBatchRecords, in file order
    bool FlatRateItemChosen = false;
};

// The whole file, every line ended by CR LF: the header and the invoice record in code page
// 852, then the item record when chosen, then one batch record per K-batch record, the last
// three copied byte for byte.
std::string UlozVYU(const FBatchInput& input);

} // namespace lumtaris
