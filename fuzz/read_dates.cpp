// Reads a special date file made of arbitrary bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "core/dates/SpecialDateFile.h"
#include "fuzz/Check.h"
#include "tests/support/MemoryFileSystem.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    testsupport::MemoryFileSystem fs;
    const std::string path = "SDATE01.DAT";
    fs.SetFile(path, {data, data + size});

    const auto read = core::ReadDateFile(fs, path);
    FUZZ_CHECK(read.ok());
    const auto& dates = *read;
    // Every whole record up to the 365th is loaded as it is.
    FUZZ_CHECK(dates.size() == std::min<std::size_t>(size / 2, core::kMaxSpecialDates));
    for (std::size_t k = 0; k < dates.size(); ++k) {
        FUZZ_CHECK(dates[k].month == data[2 * k] && dates[k].day == data[2 * k + 1]);
    }

    // Writing them back gives the same records.
    FUZZ_CHECK(core::WriteDateFile(fs, path, dates).ok());
    const auto written = *fs.FileBytes(path);
    FUZZ_CHECK(written.size() == 2 * dates.size() && std::equal(written.begin(), written.end(), data));
    return 0;
}
