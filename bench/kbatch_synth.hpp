#pragma once

// A synthetic K-batch file as a hospital's software writes it: CR LF lines, one D record of 62
// characters for every 99 other lines (documents of an A line and one to four V lines), every
// batch for one IČZ and with its own number, so that the whole file reads without an error.

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

namespace lumtaris::bench {

inline constexpr std::size_t kSyntheticKBatchBytes = std::size_t{256} << 20;

// Hands the lines to `sink` in chunks of about 1 MB until at least `bytes` bytes are made.
template <typename Sink>
void GenerateKBatch(std::size_t bytes, Sink sink)
{
    std::string out;
    std::size_t made = 0;
    char line[96];
    for (long batch = 1; made + out.size() < bytes; ++batch) {
        // Every third batch is not of type 80, so both kinds occur.
        const char* type = batch % 3 == 0 ? "01" : "80";
        std::snprintf(line, sizeof line,
                      "DP%s1234567800012026%02ld%06ld03300000000100%018.2f1 \r\n", type,
                      batch % 12 + 1, batch, static_cast<double>(batch % 1000) + 0.5);
        out += line;
        int lines = 0;
        for (long document = 1; lines < 99; ++document) {
            std::snprintf(line, sizeof line, "A%07ld800101123400000000000000   Z019    \r\n",
                          document);
            out += line;
            ++lines;
            for (long v = 0; v <= document % 4 && lines < 99; ++v, ++lines) {
                std::snprintf(line, sizeof line, "V28%08ld0951300100000000%02ld\r\n",
                              batch * 100 + document, v * 10 + 50);
                out += line;
            }
        }
        if (out.size() > (std::size_t{1} << 20)) {
            made += out.size();
            sink(std::string_view(out));
            out.clear();
        }
    }
    sink(std::string_view(out));
}

// Writes the synthetic file to `path`.
inline bool WriteSyntheticKBatch(const std::filesystem::path& path,
                                 std::size_t bytes = kSyntheticKBatchBytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    GenerateKBatch(bytes, [&](std::string_view chunk) {
        file.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    });
    file.close();
    return static_cast<bool>(file);
}

// Reads a whole file into memory; empty when it cannot be read.
inline std::string ReadFileBytes(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::string bytes;
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error || !file)
        return {};
    bytes.resize(static_cast<std::size_t>(size));
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file ? bytes : std::string();
}

} // namespace lumtaris::bench
