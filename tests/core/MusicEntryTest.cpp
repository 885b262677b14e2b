#include <gtest/gtest.h>

#include "core/schedule/MusicEntry.h"
#include "tests/core/Samples.h"
#include "tests/support/Bytes.h"

namespace {

using namespace testbytes;
using core::MusicSource;

core::MusicEntryInfo Decode(const Bytes& bytes) {
    return core::DecodeMusicEntry(std::span<const std::uint8_t, 624>(bytes.data(), 624));
}

TEST(MusicEntry, SdCardFileIsStoredAsItsBytes) {
    Bytes expected =
        Concat({Hex("45 3A 5C 00"), Bytes(98, 0), Hex("30 00 31 00 2E 00 6D 00 70 00 33 00 00 00")});
    expected.resize(624, 0);

    const auto entry = core::EncodeMusicEntry(MusicSource::External, u"01.mp3");
    EXPECT_EQ(Bytes(entry.begin(), entry.end()), expected);
    EXPECT_EQ(samples::MusicEntry('E', u"01.mp3"), expected);  // the tests' own builder agrees
}

TEST(MusicEntry, InternalMemoryIsDriveD) {
    const auto entry = core::EncodeMusicEntry(MusicSource::Internal, u"x");
    EXPECT_EQ(Bytes(entry.begin(), entry.begin() + 4), Hex("44 3A 5C 00"));
}

TEST(MusicEntry, SourceComesFromTheFirstByte) {
    const std::pair<char, std::optional<MusicSource>> table[] = {
        {'D', MusicSource::Internal}, {'d', MusicSource::Internal}, {'E', MusicSource::External},
        {'e', MusicSource::External}, {'X', std::nullopt},          {'\0', std::nullopt},
    };
    for (const auto& [letter, source] : table) {
        const auto info = Decode(samples::MusicEntry(letter, u"song.mp3"));
        EXPECT_EQ(info.source, source) << "first byte " << int(letter);
        EXPECT_EQ(info.name, u"song.mp3");
    }
}

TEST(MusicEntry, LongestNameKeepsItsTerminator) {
    const std::u16string longest(260, u'曲');
    const auto entry = core::EncodeMusicEntry(MusicSource::Internal, longest);
    EXPECT_EQ(entry[622], 0);
    EXPECT_EQ(entry[623], 0);
    EXPECT_EQ(Decode(Bytes(entry.begin(), entry.end())).name, longest);
}

// A damaged entry without any terminator reads up to the end of the entry, not beyond it.
TEST(MusicEntry, NameWithoutTerminatorStopsAtTheEntryEnd) {
    Bytes entry(624, 0x41);
    EXPECT_EQ(Decode(entry).name, std::u16string(261, u'\x4141'));
}

}  // namespace
