// Every writing operation is made to fail at each of its file system calls in turn, with a
// write cut short, and on a disk that fills up. Each time the folder must hold exactly the old
// files or exactly the new ones (no mixture, no temporary file left), and a failure must be
// reported with the cause that was injected.
#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "core/fs/AtomicReplace.h"
#include "tests/core/StoreCases.h"
#include "tests/support/FaultyFileSystem.h"

namespace {

using namespace storecases;
using core::FileErrorCause;
using core::Status;
using testsupport::FaultyFileSystem;
using testsupport::IoCall;

constexpr std::size_t kMaxAttempts = 2000;  // far more calls than any operation makes

struct Attempted {
    bool ok = false;
    bool faultFired = false;
};

class FaultInjection : public ::testing::TestWithParam<StoreCase> {
protected:
    void SetUp() override {
        const auto& c = GetParam();
        testsupport::TempFolder clean;
        Lay(clean, c.before);
        const auto outcome = c.run(core::SystemFileSystem(), clean);
        ASSERT_TRUE(outcome.ok) << outcome;
        m_after = TakeSnapshot(clean);
    }

    // Runs the operation once in a fresh folder, on a file system armed by `arm`, and checks
    // the folder and the report.
    Attempted Attempt(const std::function<void(FaultyFileSystem&)>& arm, FileErrorCause cause) {
        const auto& c = GetParam();
        testsupport::TempFolder folder;
        Lay(folder, c.before);
        FaultyFileSystem fs;
        arm(fs);
        const auto outcome = c.run(fs, folder);
        const Snapshot now = TakeSnapshot(folder);
        const Attempted attempted{outcome.ok, fs.FaultFired()};

        SCOPED_TRACE("failed call: " + (fs.FaultFired() ? fs.FiredCall() : "none"));
        if (outcome.ok) {
            EXPECT_EQ(Summary(now), Summary(m_after)) << "reported success";
            if (outcome.count) {
                EXPECT_EQ(*outcome.count, testbytes::Get16(now.at(c.target), 4));
            }
            return attempted;
        }
        EXPECT_EQ(Summary(now), Summary(c.before)) << "reported " << outcome;
        EXPECT_TRUE(outcome.error) << outcome;
        if (!outcome.error) return attempted;
        EXPECT_EQ(outcome.error->cause(), cause) << outcome;
        const std::string target = folder / c.target;
        EXPECT_FALSE(core::IsTemporaryPathFor(target, outcome.error->path()))
            << "the user knows the file, not the temporary one";
        ExpectStatus(fs, target, outcome.status);
        return attempted;
    }

    // An open of the file itself that fails is OpenFailed; a failure after it is IoFailed. The
    // temporary file not being created may be told either way.
    static void ExpectStatus(const FaultyFileSystem& fs, const std::string& target, Status status) {
        const std::string call = fs.FiredCall();
        const bool open = call.rfind("Open ", 0) == 0;
        if (open && core::IsTemporaryPathFor(target, call.substr(5))) {
            EXPECT_TRUE(status == Status::OpenFailed || status == Status::IoFailed) << StatusName(status);
        } else {
            EXPECT_STREQ(StatusName(status), StatusName(open ? Status::OpenFailed : Status::IoFailed));
        }
    }

    // Fails call k of `kinds` for k = 0, 1, ... until the operation runs past its last such call.
    void WalkCalls(testsupport::IoCalls kinds, FileErrorCause cause, std::size_t partialBytes = 0) {
        for (std::size_t k = 0; k < kMaxAttempts; ++k) {
            SCOPED_TRACE("call " + std::to_string(k));
            const auto attempted =
                Attempt([&](FaultyFileSystem& fs) { fs.FailCall(k, cause, kinds, partialBytes); }, cause);
            if (HasFailure()) return;
            if (!attempted.faultFired) {
                EXPECT_TRUE(attempted.ok) << "failed with no fault injected";
                return;
            }
        }
        FAIL() << "the operation never ran past its last call";
    }

    Snapshot m_after;
};

// Every write reaches the medium before the operation reports success, and everything but an
// append puts the new file in place with one rename. (Also proves the walks below go through
// the seam at all.)
TEST_P(FaultInjection, FlushesAndRenamesThroughTheSeam) {
    const auto& c = GetParam();
    testsupport::TempFolder folder;
    Lay(folder, c.before);
    FaultyFileSystem fs;
    ASSERT_TRUE(c.run(fs, folder).ok);
    EXPECT_GE(fs.Calls(IoCall::Write), 1u);
    EXPECT_GE(fs.Calls(IoCall::Sync), 1u);
    const bool append = c.name.rfind("Append", 0) == 0;
    EXPECT_EQ(fs.Calls(IoCall::Rename), append ? 0u : 1u);
}

TEST_P(FaultInjection, EachCallFailingInTurn) {
    WalkCalls(testsupport::IoCalls::All(), FileErrorCause::HardIO);
}

// A write that puts down part of its bytes (or all of them) and then reports a full disk.
TEST_P(FaultInjection, EachWriteCutShort) {
    for (std::size_t partial : {std::size_t{1}, std::size_t{4100}, std::numeric_limits<std::size_t>::max()}) {
        SCOPED_TRACE("bytes written before the failure: " + std::to_string(partial));
        WalkCalls(IoCall::Write, FileErrorCause::DiskFull, partial);
        if (HasFailure()) return;
    }
}

// The disk has room for `space` more bytes, growing from nothing until the operation fits.
TEST_P(FaultInjection, DiskFillingUp) {
    for (std::uint64_t space = 0; space < 100000; space += 61) {
        SCOPED_TRACE("free bytes: " + std::to_string(space));
        const auto attempted =
            Attempt([&](FaultyFileSystem& fs) { fs.LimitSpace(space); }, FileErrorCause::DiskFull);
        if (HasFailure() || attempted.ok) return;
    }
    FAIL() << "the operation never fitted";
}

INSTANTIATE_TEST_SUITE_P(Writes, FaultInjection, ::testing::ValuesIn(WritingOperations()),
                         [](const auto& info) { return CaseName(info.param); });

}  // namespace
