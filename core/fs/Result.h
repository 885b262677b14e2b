#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "core/fs/FileError.h"

namespace core {

// How an operation of the core ended. Every layer of the core answers with this status, and
// with the file error behind it when a file let it down; no exception leaves a layer.
enum class Status {
    Done,               // done as asked
    OpenFailed,         // the file could not be opened or created: nothing was written
    IoFailed,           // a read or write failed after the open, or the file is too damaged to use
    ProgramFull,        // a new timer, but the program already holds 512 timers
    TooManyMusicFiles,  // more than 65535 music names, or fewer names than the record counts
    MusicNameTooLong,   // a music name longer than 260 UTF-16 units
    TimerChanged,       // the timer at that index is no longer the one the caller read: nothing written
    FileTooLarge,       // a card file larger than any valid one (or so its index says): left untouched
};

// Why an operation did not do what was asked: the status, and for OpenFailed and IoFailed the
// cause with the file's path.
struct Failure {
    Status status = Status::IoFailed;
    std::optional<FileError> error;
};

inline Failure OpenFailure(FileError error) { return {Status::OpenFailed, std::move(error)}; }
inline Failure IoFailure(FileError error) { return {Status::IoFailed, std::move(error)}; }
inline Failure Refusal(Status status) { return {status, std::nullopt}; }
// A card file larger than any valid one of its kind, named: no writer replaces it.
inline Failure TooLargeFailure(std::string path) {
    return {Status::FileTooLarge, FileError(FileErrorCause::TooLarge, std::move(path))};
}

// The answer of an operation: its value when it was done, otherwise the failure.
template <class T = void>
class [[nodiscard]] Result {
public:
    Result(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failure) : m_state(std::in_place_index<1>, std::move(failure)) {}

    bool ok() const { return m_state.index() == 0; }
    Status status() const { return ok() ? Status::Done : failure().status; }
    // The file error behind a failure; none when done or refused.
    const std::optional<FileError>& error() const { return ok() ? kNoError : failure().error; }
    const Failure& failure() const { return std::get<1>(m_state); }

    T& value() { return std::get<0>(m_state); }
    const T& value() const { return std::get<0>(m_state); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

private:
    static inline const std::optional<FileError> kNoError;
    std::variant<T, Failure> m_state;
};

template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure) : m_failure(std::move(failure)) {}

    bool ok() const { return !m_failure.has_value(); }
    Status status() const { return ok() ? Status::Done : m_failure->status; }
    const std::optional<FileError>& error() const { return ok() ? kNoError : m_failure->error; }
    const Failure& failure() const { return *m_failure; }

private:
    static inline const std::optional<FileError> kNoError;
    std::optional<Failure> m_failure;
};

}  // namespace core
