#include "core/fs/ProcessSetup.h"

#include <csignal>

namespace core {

void IgnoreFileSizeSignal() {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

}  // namespace core
