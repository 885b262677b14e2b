#include "tests/support/FaultyFileSystem.h"

#include <algorithm>
#include <numeric>

namespace testsupport {

using core::FileError;
using core::FileErrorCause;

const char* IoCallName(IoCall call) {
    switch (call) {
    case IoCall::Open: return "Open";
    case IoCall::Read: return "Read";
    case IoCall::Write: return "Write";
    case IoCall::Seek: return "Seek";
    case IoCall::Length: return "Length";
    case IoCall::Truncate: return "Truncate";
    case IoCall::Sync: return "Sync";
    case IoCall::Close: return "Close";
    case IoCall::Rename: return "Rename";
    }
    return "?";
}

// An open file of a FaultyFileSystem. It tracks its own position so that the space limit knows
// which bytes of a write are new.
class FaultyFile final : public core::File {
public:
    FaultyFile(FaultyFileSystem& fs, std::unique_ptr<core::File> inner)
        : fs_(fs), inner_(std::move(inner)) {}

    const std::string& Path() const override { return inner_->Path(); }

    std::size_t Read(std::span<std::uint8_t> buffer) override {
        Fail(IoCall::Read);
        const std::size_t got = inner_->Read(buffer);
        position_ += got;
        return got;
    }

    void Write(std::span<const std::uint8_t> data) override {
        const auto* fault = fs_.Enter(IoCall::Write, Path());
        std::size_t allowed = data.size();
        if (fault) allowed = std::min(allowed, fault->partialBytes);
        const std::uint64_t length = fs_.space_ ? inner_->Length() : 0;
        const std::size_t fits = fs_.Fitting(position_, length, allowed);
        if (fits > 0) inner_->Write(data.first(fits));
        position_ += fits;
        fs_.Grew(length, std::max(length, position_));
        if (fault) throw FileError(fault->cause, Path());
        if (fits < data.size()) throw FileError(FileErrorCause::DiskFull, Path());
    }

    void Seek(std::uint64_t offset) override {
        Fail(IoCall::Seek);
        inner_->Seek(offset);
        position_ = offset;
    }

    std::uint64_t Length() override {
        Fail(IoCall::Length);
        return inner_->Length();
    }

    void Truncate(std::uint64_t length) override {
        Fail(IoCall::Truncate);
        const std::uint64_t old = fs_.space_ ? inner_->Length() : 0;
        if (fs_.space_ && length > old && length - old > *fs_.space_) {
            throw FileError(FileErrorCause::DiskFull, Path());
        }
        inner_->Truncate(length);
        fs_.Grew(old, length);
    }

    void Sync() override {
        Fail(IoCall::Sync);
        inner_->Sync();
    }

    void Close() override {
        if (const auto* fault = fs_.Enter(IoCall::Close, Path())) {
            // A close that reports an error has still let go of the file.
            try {
                inner_->Close();
            } catch (const FileError&) {
            }
            throw FileError(fault->cause, Path());
        }
        inner_->Close();
    }

private:
    void Fail(IoCall call) {
        if (const auto* fault = fs_.Enter(call, Path())) throw FileError(fault->cause, Path());
    }

    FaultyFileSystem& fs_;
    std::unique_ptr<core::File> inner_;
    std::uint64_t position_ = 0;
};

FaultyFileSystem::FaultyFileSystem(core::FileSystem& inner) : inner_(inner) {}

void FaultyFileSystem::FailCall(std::size_t n, FileErrorCause cause, IoCalls kinds,
                                std::size_t partialBytes) {
    fault_ = Fault{n, cause, kinds, partialBytes};
    matching_ = 0;
    fired_.reset();
}

void FaultyFileSystem::LimitSpace(std::uint64_t bytes) { space_ = bytes; }

void FaultyFileSystem::Reset() {
    std::fill(std::begin(counts_), std::end(counts_), 0);
    matching_ = 0;
    fault_.reset();
    fired_.reset();
    space_.reset();
}

std::string FaultyFileSystem::FiredCall() const {
    if (!fired_) return {};
    return std::string(IoCallName(fired_->call)) + " " + fired_->path;
}

std::size_t FaultyFileSystem::TotalCalls() const {
    return std::accumulate(std::begin(counts_), std::end(counts_), std::size_t{0});
}

const FaultyFileSystem::Fault* FaultyFileSystem::Enter(IoCall call, const std::string& path) {
    ++counts_[static_cast<unsigned>(call)];
    if (!fault_ || fired_ || !fault_->kinds.Has(call)) return nullptr;
    if (matching_++ != fault_->n) return nullptr;
    fired_ = Fired{call, path};
    return &*fault_;
}

std::size_t FaultyFileSystem::Fitting(std::uint64_t position, std::uint64_t length,
                                      std::size_t size) const {
    if (!space_) return size;
    // Bytes up to the current length overwrite what is there and need no new space.
    const std::uint64_t free = length > position ? length - position : 0;
    return static_cast<std::size_t>(std::min<std::uint64_t>(size, free + *space_));
}

void FaultyFileSystem::Grew(std::uint64_t oldLength, std::uint64_t newLength) {
    if (!space_) return;
    if (newLength > oldLength) {
        *space_ -= newLength - oldLength;
    } else {
        *space_ += oldLength - newLength;
    }
}

std::unique_ptr<core::File> FaultyFileSystem::Open(const std::string& path,
                                                       core::OpenMode mode) {
    if (const auto* fault = Enter(IoCall::Open, path)) throw FileError(fault->cause, path);
    return std::make_unique<FaultyFile>(*this, inner_.Open(path, mode));
}

void FaultyFileSystem::Rename(const std::string& from, const std::string& to) {
    if (const auto* fault = Enter(IoCall::Rename, to)) throw FileError(fault->cause, to);
    inner_.Rename(from, to);
}

void FaultyFileSystem::Remove(const std::string& path) noexcept { inner_.Remove(path); }

}  // namespace testsupport
