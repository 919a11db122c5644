// How much anonymous memory reading a K-batch file from disk adds: the program's own path,
// ReadWholeFile and then NactiKDavku, over the synthetic 256 MB file. Linux only, as it reads
// RssAnon from /proc/self/status. Prints the figures and exits 0 when the limit is kept.

#include "kbatch_synth.hpp"

#include "billing/kbatch_reader.hpp"
#include "platform/file_read.hpp"

#include <QString>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace {

constexpr long kLimitKb = 64 * 1024;

// A "Name:   123 kB" line of /proc/self/status, in kB; -1 when it is missing.
long StatusKb(const std::string& name)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(name + ":", 0) == 0)
            return std::stol(line.substr(name.size() + 1));
    }
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace lumtaris;
    std::error_code error;
    std::filesystem::path path;
    bool written = false;
    if (argc > 1) {
        path = argv[1];
    } else {
        path = std::filesystem::temp_directory_path(error) / "lumtaris_memory_kdavka.111";
        if (error || !bench::WriteSyntheticKBatch(path)) {
            std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
            return 2;
        }
        written = true;
    }

    const long anonBefore = StatusKb("RssAnon");
    const long fileBefore = StatusKb("RssFile");
    ReadResult read = ReadWholeFile(QString::fromStdString(path.string()));
    KBatchReadResult parsed;
    if (read.Ok())
        parsed = NactiKDavku(read.content.Bytes(), "KDAVKA.111", 0);
    const long anonAfter = StatusKb("RssAnon");
    const long fileAfter = StatusKb("RssFile");
    if (written)
        std::filesystem::remove(path, error);

    if (!read.Ok() || !parsed.ok) {
        std::fprintf(stderr, "reading failed: %s\n",
                     read.Ok() ? parsed.errorMessage.c_str() : qPrintable(read.errorText));
        return 2;
    }
    const long added = anonAfter - anonBefore;
    std::printf("kbatch_memory: file %zu bytes (%s), %zu D records\n", read.content.Bytes().size(),
                read.content.IsMapped() ? "mapped" : "copied", parsed.content.records.size());
    std::printf("kbatch_memory: RssAnon %ld kB -> %ld kB, added %ld kB (limit %ld kB) %s; "
                "RssFile added %ld kB\n",
                anonBefore, anonAfter, added, kLimitKb, added <= kLimitKb ? "met" : "MISSED",
                fileAfter - fileBefore);
    return added <= kLimitKb ? 0 : 1;
}
