#pragma once

namespace core {

// Makes a write past the process's file size limit (ulimit -f) fail with EFBIG, which the file
// layer reports as a full disk, instead of the SIGXFSZ that would kill the process in the middle
// of the write. Call once at start-up, before any file is written. Does nothing on systems
// without that signal.
void IgnoreFileSizeSignal();

}  // namespace core
