// The forms the history stores: the names of contents, the entries, the moments.
#include <gtest/gtest.h>

#include <string>

#include "core/history/HistoryEntry.h"
#include "core/history/Sha256.h"

namespace {

using core::history::Command;
using core::history::Entry;
using core::history::Version;

std::string Digest(const std::string& text, std::size_t piece) {
    core::history::Sha256 hash;
    for (std::size_t at = 0; at < text.size(); at += piece) {
        const std::string part = text.substr(at, piece);
        hash.Add({reinterpret_cast<const std::uint8_t*>(part.data()), part.size()});
    }
    return hash.HexDigest();
}

TEST(Sha256, GivesTheKnownDigestsHoweverTheBytesArriveInPieces) {
    const std::string million(1000000, 'a');
    const std::string twoBlocks = "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq";
    struct Case {
        const std::string& text;
        const char* digest;
    };
    const std::string empty, abc = "abc";
    const Case cases[] = {
        {empty, "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {abc, "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {twoBlocks, "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {million, "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const Case& c : cases) {
        for (const std::size_t piece : {std::size_t{1}, std::size_t{63}, std::size_t{64}, std::size_t{4096}}) {
            EXPECT_EQ(Digest(c.text, piece), c.digest) << c.text.size() << " bytes in pieces of " << piece;
        }
    }
}

TEST(HistoryEntry, ReadsBackWhatItStores) {
    const std::string sha(64, 'a');
    const Entry entries[] = {
        {7, 1765432100123, "SCH01.DAT", Command::CopyProgram, Version{sha, 4104}, Version{std::string(64, 'b'), 4760}},
        {1, 0, "SDATE06.DAT", Command::SaveDates, std::nullopt, Version{sha, 0}},
        {99999999, -5, "SPSCH03.DAT", Command::Restore, Version{sha, 1}, std::nullopt},
    };
    for (const Entry& entry : entries) {
        EXPECT_EQ(core::history::DecodeEntry(core::history::EncodeEntry(entry)), entry) << entry.file;
    }
}

TEST(HistoryEntry, RefusesWhatIsNoEntry) {
    const char* texts[] = {
        "",
        "{",
        "[]",
        R"({"id":1,"unix_ms":0,"file":"SCH01.DAT","command":"save-timer","before":null})",
        R"({"id":1,"unix_ms":0,"file":"SCH01.DAT","command":"format-card","before":null,"after":null})",
        R"({"id":-1,"unix_ms":0,"file":"SCH01.DAT","command":"save-timer","before":null,"after":null})",
        R"({"id":1,"unix_ms":0,"file":"SCH01.DAT","command":"save-timer","before":{"sha256":"../x","size":1},"after":null})",
        R"({"id":1,"unix_ms":0,"file":7,"command":"save-timer","before":null,"after":null})",
    };
    for (const char* text : texts) EXPECT_FALSE(core::history::DecodeEntry(text)) << text;
}

TEST(HistoryTime, ReadsTheMomentsTheCommandLineTakes) {
    struct Case {
        const char* text;
        std::optional<std::int64_t> millis;
    };
    const Case cases[] = {
        {"1970-01-01T00:00:00Z", 0},
        {"2026-12-11T06:40:12Z", 1796971212000},
        {"2026-12-11T14:40:12+08:00", 1796971212000},
        {"2026-12-10T22:40-08:00", 1796971200000},
        {"2026-12-11 06:40Z", 1796971200000},
        {"2026-02-30", std::nullopt},
        {"2024-02-29Z", 1709164800000},
        {"2026-13-01T00:00Z", std::nullopt},
        {"2026-12-11T24:00Z", std::nullopt},
        {"yesterday", std::nullopt},
        {"2026-12-11T06:40:12+8", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(core::history::ParseIsoTime(c.text), c.millis) << c.text;
    }
}

TEST(HistoryTime, ALocalMomentReadsBackAsItself) {
    for (const std::int64_t millis : {std::int64_t{0}, std::int64_t{1796971212000}, std::int64_t{1751328000000}}) {
        const std::string text = core::history::IsoLocalTime(millis);
        EXPECT_EQ(core::history::ParseIsoTime(text), millis) << text;
        EXPECT_EQ(core::history::ParseIsoTime(text.substr(0, 19)), millis) << "as local time: " << text;
    }
}

}  // namespace
