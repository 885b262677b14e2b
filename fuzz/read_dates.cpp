// Reads a special date file made of arbitrary bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "Check.h"
#include "core/dates/SpecialDateFile.h"
#include "support/MemoryFileSystem.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    testsupport::MemoryFileSystem fs;
    const std::string path = "SDATE01.DAT";
    fs.SetFile(path, {data, data + size});

    core::SpecialDateTable table{};
    std::uint32_t count = 12345;
    const auto result = core::ReadDateFile(fs, path, table, count);
    FUZZ_CHECK(result.ok);
    // Every whole record up to the 365th is loaded as it is.
    FUZZ_CHECK(count == std::min<std::size_t>(size / 2, core::kMaxSpecialDates));
    for (std::size_t k = 0; k < count; ++k) {
        FUZZ_CHECK(table[k].month == data[2 * k] && table[k].day == data[2 * k + 1]);
    }

    // Writing them back gives the same records.
    FUZZ_CHECK(core::WriteDateFile(fs, path, table, count).ok);
    const auto written = *fs.FileBytes(path);
    FUZZ_CHECK(written.size() == 2 * count && std::equal(written.begin(), written.end(), data));
    return 0;
}
