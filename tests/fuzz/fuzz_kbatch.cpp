// The K-batch reader on any bytes. Beyond not crashing, a success must mean that every check
// the reader makes really holds for what it returns.

#include "billing/kbatch_reader.hpp"
#include "fuzz_check.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <utility>

using namespace lumtaris;
using fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto insurer = static_cast<InsurerIndex>(data[0] % kInsurerCount);
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const KBatchReadResult result = NactiKDavku(bytes, "/data/KDAVKA.207", insurer);

    Check(result.ok == result.errorMessage.empty());
    if (!result.ok) {
        Check(result.content.records.empty());
        return 0;
    }
    const auto& records = result.content.records;
    Check(!records.empty());
    bool any80 = false;
    bool all80 = true;
    bool type1 = false;
    bool type4 = false;
    std::set<std::pair<std::string_view, std::string_view>> batches;
    for (const KBatchRecord& record : records) {
        Check(record.Text().size() == kKBatchRecordSize);
        Check(record.Text()[0] == 'D');
        // Every record is a prefix of a line of the input.
        Check(bytes.find(record.Text()) != std::string_view::npos);
        Check(record.Icz() == records.front().Icz());
        Check(batches.emplace(record.Year(), record.BatchNumber()).second);
        const bool is80 = record.BatchType() == "80";
        any80 = any80 || is80;
        all80 = all80 && is80;
        type1 = type1 || record.RelationType() == '1';
        type4 = type4 || record.RelationType() == '4';
    }
    Check(result.content.HasType80Batch == any80);
    Check(result.content.AllBatchesType80 == all80);
    Check(!(type1 && type4));
    return 0;
}
