#include "tests/support/FaultyFileSystem.h"

#include <algorithm>
#include <new>
#include <numeric>

namespace testsupport {

using core::FileError;
using core::FileErrorCause;
using core::Result;

const char* IoCallName(IoCall call) {
    switch (call) {
    case IoCall::Open: return "Open";
    case IoCall::Read: return "Read";
    case IoCall::Write: return "Write";
    case IoCall::Seek: return "Seek";
    case IoCall::Length: return "Length";
    case IoCall::Truncate: return "Truncate";
    case IoCall::Sync: return "Sync";
    case IoCall::DropCache: return "DropCache";
    case IoCall::Close: return "Close";
    case IoCall::Rename: return "Rename";
    case IoCall::ListFolder: return "ListFolder";
    }
    return "?";
}

// An open file of a FaultyFileSystem. It tracks its own position so that the space limit knows
// which bytes of a write are new.
class FaultyFile final : public core::File {
public:
    FaultyFile(FaultyFileSystem& fs, std::unique_ptr<core::File> inner)
        : m_fs(fs), m_inner(std::move(inner)) {}

    const std::string& Path() const override { return m_inner->Path(); }

    Result<std::size_t> Read(std::span<std::uint8_t> buffer) override {
        if (const auto* fault = m_fs.Enter(IoCall::Read, Path())) return Failed(*fault);
        auto got = m_inner->Read(buffer);
        if (got.ok()) m_position += *got;
        return got;
    }

    Result<> Write(std::span<const std::uint8_t> data) override {
        const auto* fault = m_fs.Enter(IoCall::Write, Path());
        std::size_t allowed = data.size();
        if (fault) allowed = std::min(allowed, fault->partialBytes);
        std::uint64_t length = 0;
        if (m_fs.m_space) {
            const auto current = m_inner->Length();
            if (!current.ok()) return current.failure();
            length = *current;
        }
        const std::size_t fits = m_fs.Fitting(m_position, length, allowed);
        if (fits > 0) {
            if (auto written = m_inner->Write(data.first(fits)); !written.ok()) return written;
        }
        m_position += fits;
        m_fs.Grew(length, std::max(length, m_position));
        if (fault) return Failed(*fault);
        if (fits < data.size()) return core::IoFailure(FileError(FileErrorCause::DiskFull, Path()));
        return {};
    }

    Result<> Seek(std::uint64_t offset) override {
        if (const auto* fault = m_fs.Enter(IoCall::Seek, Path())) return Failed(*fault);
        auto moved = m_inner->Seek(offset);
        if (moved.ok()) m_position = offset;
        return moved;
    }

    Result<std::uint64_t> Length() override {
        if (const auto* fault = m_fs.Enter(IoCall::Length, Path())) return Failed(*fault);
        return m_inner->Length();
    }

    Result<> Truncate(std::uint64_t length) override {
        if (const auto* fault = m_fs.Enter(IoCall::Truncate, Path())) return Failed(*fault);
        std::uint64_t old = 0;
        if (m_fs.m_space) {
            const auto current = m_inner->Length();
            if (!current.ok()) return current.failure();
            old = *current;
            if (length > old && length - old > *m_fs.m_space) {
                return core::IoFailure(FileError(FileErrorCause::DiskFull, Path()));
            }
        }
        auto cut = m_inner->Truncate(length);
        if (cut.ok()) m_fs.Grew(old, length);
        return cut;
    }

    Result<> Sync() override {
        if (const auto* fault = m_fs.Enter(IoCall::Sync, Path())) return Failed(*fault);
        return m_inner->Sync();
    }

    Result<> DropCachedPages() override {
        if (const auto* fault = m_fs.Enter(IoCall::DropCache, Path())) return Failed(*fault);
        return m_inner->DropCachedPages();
    }

    Result<> Close() override {
        if (const auto* fault = m_fs.Enter(IoCall::Close, Path())) {
            // A close that reports an error has still let go of the file.
            static_cast<void>(m_inner->Close());
            return Failed(*fault);
        }
        return m_inner->Close();
    }
    // Part of a rename over the held file, whose faults the rename itself stands for.
    Result<> CloseKeepingPath() override { return m_inner->CloseKeepingPath(); }

private:
    core::Failure Failed(const FaultyFileSystem::Fault& fault) const {
        if (fault.outOfMemory) throw std::bad_alloc();
        return core::IoFailure(FileError(fault.cause, Path()));
    }

    FaultyFileSystem& m_fs;
    std::unique_ptr<core::File> m_inner;
    std::uint64_t m_position = 0;
};

FaultyFileSystem::FaultyFileSystem(core::FileSystem& inner) : m_inner(inner) {}

void FaultyFileSystem::FailCall(std::size_t n, FileErrorCause cause, IoCalls kinds,
                                std::size_t partialBytes) {
    m_fault = Fault{n, cause, kinds, partialBytes, false};
    m_matching = 0;
    m_fired.reset();
}

void FaultyFileSystem::StopAt(std::size_t n) {
    FailCall(n, FileErrorCause::HardIO);
    m_fault->stop = true;
}

void FaultyFileSystem::RunOutOfMemoryAtRead(std::size_t n) {
    FailCall(n, FileErrorCause::Generic, IoCall::Read);
    m_fault->outOfMemory = true;
}

void FaultyFileSystem::LimitSpace(std::uint64_t bytes) { m_space = bytes; }

void FaultyFileSystem::Reset() {
    std::fill(std::begin(m_counts), std::end(m_counts), 0);
    m_matching = 0;
    m_fault.reset();
    m_fired.reset();
    m_space.reset();
}

std::string FaultyFileSystem::FiredCall() const {
    if (!m_fired) return {};
    return std::string(IoCallName(m_fired->call)) + " " + m_fired->path;
}

std::size_t FaultyFileSystem::TotalCalls() const {
    return std::accumulate(std::begin(m_counts), std::end(m_counts), std::size_t{0});
}

const FaultyFileSystem::Fault* FaultyFileSystem::Enter(IoCall call, const std::string& path) {
    ++m_counts[static_cast<unsigned>(call)];
    if (Stopped()) return &*m_fault;
    if (!m_fault || m_fired || !m_fault->kinds.Has(call)) return nullptr;
    if (m_matching++ != m_fault->n) return nullptr;
    m_fired = Fired{call, path};
    return &*m_fault;
}

std::size_t FaultyFileSystem::Fitting(std::uint64_t position, std::uint64_t length, std::size_t size) const {
    if (!m_space) return size;
    // Bytes up to the current length overwrite what is there and need no new space.
    const std::uint64_t free = length > position ? length - position : 0;
    return static_cast<std::size_t>(std::min<std::uint64_t>(size, free + *m_space));
}

void FaultyFileSystem::Grew(std::uint64_t oldLength, std::uint64_t newLength) {
    if (!m_space) return;
    if (newLength > oldLength) {
        *m_space -= newLength - oldLength;
    } else {
        *m_space += oldLength - newLength;
    }
}

Result<std::unique_ptr<core::File>> FaultyFileSystem::Open(const std::string& path, core::OpenMode mode) {
    if (const auto* fault = Enter(IoCall::Open, path))
        return core::OpenFailure(FileError(fault->cause, path));
    auto opened = m_inner.Open(path, mode);
    if (!opened.ok()) return opened.failure();
    return std::unique_ptr<core::File>(std::make_unique<FaultyFile>(*this, std::move(*opened)));
}

Result<> FaultyFileSystem::Rename(const std::string& from, const std::string& to) {
    if (const auto* fault = Enter(IoCall::Rename, to)) return core::IoFailure(FileError(fault->cause, to));
    return m_inner.Rename(from, to);
}

Result<> FaultyFileSystem::RenameOverHeld(const std::string& from, const std::string& to,
                                          core::File& held) {
    if (const auto* fault = Enter(IoCall::Rename, to)) return core::IoFailure(FileError(fault->cause, to));
    return m_inner.RenameOverHeld(from, to, held);
}

Result<bool> FaultyFileSystem::RenameIfAbsent(const std::string& from, const std::string& to) {
    if (const auto* fault = Enter(IoCall::Rename, to)) return core::IoFailure(FileError(fault->cause, to));
    return m_inner.RenameIfAbsent(from, to);
}

void FaultyFileSystem::Remove(const std::string& path) noexcept {
    if (!Stopped()) m_inner.Remove(path);
}

Result<std::vector<std::string>> FaultyFileSystem::ListFolder(const std::string& folder) {
    if (const auto* fault = Enter(IoCall::ListFolder, folder)) {
        return core::OpenFailure(FileError(fault->cause, folder));
    }
    return m_inner.ListFolder(folder);
}

}  // namespace testsupport
