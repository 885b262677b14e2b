#include <gtest/gtest.h>

#include "core/schedule/TimerRecord.h"
#include "tests/core/Samples.h"
#include "tests/support/Bytes.h"

namespace {

using namespace testbytes;
using core::TimerRecord;

struct RecordCase {
    const char* name;
    TimerRecord record;
    Bytes stored;
};

Bytes WithFrequency(std::uint16_t frequency) {
    Bytes bytes(32, 0);
    Put16(bytes, 26, frequency);
    return bytes;
}

TimerRecord FrequencyOnly(std::uint16_t frequency) {
    TimerRecord record;
    record.frequency = frequency;
    return record;
}

class TimerRecordBytes : public ::testing::TestWithParam<RecordCase> {};

TEST_P(TimerRecordBytes, EncodeAndDecodeAgree) {
    const auto& c = GetParam();
    const auto encoded = core::EncodeTimerRecord(c.record);
    EXPECT_EQ(Bytes(encoded.begin(), encoded.end()), c.stored);
    EXPECT_EQ(core::DecodeTimerRecord(std::span<const std::uint8_t, 32>(c.stored.data(), 32)), c.record);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TimerRecordBytes,
    ::testing::Values(RecordCase{"WeekdayMusic", samples::WeekdayMusic().timer.record,
                                 samples::WeekdayMusicRecord()},
                      RecordCase{"NoonRadio", samples::NoonRadio().timer.record, samples::NoonRadioRecord()},
                      RecordCase{"Radio108MHz", FrequencyOnly(10800),
                                 Hex("00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
                                     "00 00 00 00 00 00 00 00 00 00 30 2A 00 00 00 00")},
                      RecordCase{"Radio87_5MHz", FrequencyOnly(8750), WithFrequency(0x222E)},
                      RecordCase{"Power", samples::PowerAt(23).timer.record, samples::PowerAt(23).stored}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TimerRecordSize, IsRecordPlusEntries) {
    EXPECT_EQ(core::StoredTimerSize(0), 32u);
    EXPECT_EQ(core::StoredTimerSize(2), 1280u);
    EXPECT_EQ(core::StoredTimerSize(65535), 32u + 624u * 65535u);
}

// A record cut short by the end of a file changes only the bytes that were there, even in the
// middle of a field.
TEST(TimerRecordOverlay, KeepsTheBytesNotPresent) {
    const Bytes old(32, 0xAB);
    for (std::size_t present = 0; present <= 32; ++present) {
        TimerRecord record = core::DecodeTimerRecord(std::span<const std::uint8_t, 32>(old.data(), 32));
        const Bytes& file = samples::WeekdayMusicRecord();
        core::OverlayTimerRecord(std::span(file).first(present), record);

        Bytes expected = old;
        std::copy_n(file.begin(), present, expected.begin());
        const auto got = core::EncodeTimerRecord(record);
        // The two unnamed pairs are not fields: a record holds no bytes for them.
        for (std::size_t gap : {10u, 11u, 30u, 31u}) expected[gap] = 0;
        EXPECT_EQ(Bytes(got.begin(), got.end()), expected) << present << " bytes present";
    }
}

}  // namespace
