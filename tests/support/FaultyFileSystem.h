#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/fs/FileError.h"
#include "core/fs/FileSystem.h"
#include "core/fs/Result.h"

namespace testsupport {

// The kinds of call that go through the file system seam.
// RenameIfAbsent counts as a Rename; DropCache is File::DropCachedPages.
enum class IoCall : unsigned {
    Open,
    Read,
    Write,
    Seek,
    Length,
    Truncate,
    Sync,
    DropCache,
    Close,
    Rename,
    ListFolder
};
inline constexpr std::size_t kIoCallKinds = static_cast<std::size_t>(IoCall::ListFolder) + 1;

// A set of IoCall kinds, for choosing which calls a fault counts.
class IoCalls {
public:
    constexpr IoCalls() = default;
    // Implicit, so that a single kind can stand where a set is asked for.
    constexpr IoCalls(IoCall call) : m_bits(Bit(call)) {}
    static constexpr IoCalls All() { return IoCalls(~0u); }

    constexpr IoCalls operator|(IoCalls other) const { return IoCalls(m_bits | other.m_bits); }
    constexpr bool Has(IoCall call) const { return (m_bits & Bit(call)) != 0; }

private:
    constexpr explicit IoCalls(unsigned bits) : m_bits(bits) {}
    static constexpr unsigned Bit(IoCall call) { return 1u << static_cast<unsigned>(call); }
    unsigned m_bits = 0;
};

const char* IoCallName(IoCall call);

// Wraps a file system and makes chosen calls fail, so a test can walk an operation through
// a failure at each of its calls in turn:
//
//     for (std::size_t k = 0;; ++k) {
//         fs.Reset();
//         fs.FailCall(k, FileErrorCause::HardIO);
//         RunTheOperation(fs);
//         CheckTheFiles();
//         if (!fs.FaultFired()) break;  // k passed the last call: the operation ran clean
//     }
//
// A failed call does nothing before it returns its failure (OpenFailed for an Open or a List,
// IoFailed for any other call), except a Write, which first writes the number of bytes the fault allows
// (a write cut short). Remove never fails: it is the clean-up path.
class FaultyFileSystem final : public core::FileSystem {
public:
    explicit FaultyFileSystem(core::FileSystem& inner = core::SystemFileSystem());

    // Call number `n` (from 0, counted from the last Reset) among the calls of `kinds` fails
    // with FileError(cause). A failing Write first writes min(partialBytes, its size) bytes.
    void FailCall(std::size_t n, core::FileErrorCause cause, IoCalls kinds = IoCalls::All(),
                  std::size_t partialBytes = 0);
    // Call number `n` and every call after it fail, and Remove does nothing: as far as the files
    // can tell, the process was killed right there.
    void StopAt(std::size_t n);
    bool Stopped() const { return m_fault && m_fault->stop && m_fired; }
    // Call number `n` among the Reads throws std::bad_alloc, as a read into memory that has run
    // out would: whatever runs it must end with a message, not abort.
    void RunOutOfMemoryAtRead(std::size_t n);
    // From now on only `bytes` more bytes may be added to files: a write that would grow files
    // past that writes what still fits and fails with DiskFull. Writing over existing bytes and
    // shrinking a file with Truncate behave as on a real disk.
    void LimitSpace(std::uint64_t bytes);
    // Forgets the counts, the fault and the space limit.
    void Reset();

    bool FaultFired() const { return m_fired.has_value(); }
    // "Write /path/to/file" for the call that failed; empty when none did.
    std::string FiredCall() const;
    std::size_t Calls(IoCall call) const { return m_counts[static_cast<unsigned>(call)]; }
    std::size_t TotalCalls() const;

    core::Result<std::unique_ptr<core::File>> Open(const std::string& path, core::OpenMode mode) override;
    core::Result<> Rename(const std::string& from, const std::string& to) override;
    core::Result<bool> RenameIfAbsent(const std::string& from, const std::string& to) override;
    core::Result<> RenameOverHeld(const std::string& from, const std::string& to,
                                  core::File& held) override;
    void Remove(const std::string& path) noexcept override;
    core::Result<std::vector<std::string>> ListFolder(const std::string& folder) override;
    // Never fails by itself: a folder that cannot be made shows in the writes into it.
    core::Result<> MakeFolder(const std::string& path) override { return m_inner.MakeFolder(path); }
    core::Result<std::string> WriteTargetOf(const std::string& path) override { return m_inner.WriteTargetOf(path); }

private:
    friend class FaultyFile;

    struct Fault {
        std::size_t n;
        core::FileErrorCause cause;
        IoCalls kinds;
        std::size_t partialBytes;
        bool stop = false;
        bool outOfMemory = false;
    };

    // Counts the call; gives the fault when this is the call chosen to fail.
    const Fault* Enter(IoCall call, const std::string& path);
    // How many of `size` bytes written at `position` into a file of `length` bytes still fit.
    std::size_t Fitting(std::uint64_t position, std::uint64_t length, std::size_t size) const;
    void Grew(std::uint64_t oldLength, std::uint64_t newLength);

    struct Fired {
        IoCall call;
        std::string path;
    };

    core::FileSystem& m_inner;
    std::size_t m_counts[kIoCallKinds] = {};
    std::size_t m_matching = 0;  // calls so far among the fault's kinds
    std::optional<Fault> m_fault;
    std::optional<Fired> m_fired;
    std::optional<std::uint64_t> m_space;
};

}  // namespace testsupport
