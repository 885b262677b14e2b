#pragma once

// Things at a card file's path that are not plain files, made in a real folder, and a way to
// run an operation on them that cannot hang the suite. POSIX only: the tests that use these
// skip on Windows.
#ifndef _WIN32

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace testsupport {

// A named pipe at path; false when it could not be made.
inline bool MakePipe(const std::string& path) { return ::mkfifo(path.c_str(), 0666) == 0; }

// Runs `operation` on a thread of its own and gives its result, or none when it still waits
// after a generous while. Then the pipe at `pipe` is given a writer, so that an operation stuck
// opening it comes back; one stuck reading it is left behind, so that the suite still ends.
template <class Operation>
auto WithoutWaitingOn(const std::string& pipe, Operation operation) -> std::optional<decltype(operation())> {
    using Value = decltype(operation());
    auto promise = std::make_shared<std::promise<Value>>();
    auto result = promise->get_future();
    std::thread([promise, operation = std::move(operation)]() mutable { promise->set_value(operation()); }).detach();
    if (result.wait_for(std::chrono::seconds(20)) == std::future_status::ready) return result.get();
    const int writer = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0) ::close(writer);
    return std::nullopt;
}

}  // namespace testsupport

#endif  // !_WIN32
