#include "platform/host/host.h"

#include "platform/host/headless/headless_host.h"

namespace host {

namespace {
Host* installed = nullptr;
}  // namespace

Host& current() { return installed ? *installed : headless::headless_host(); }

void install(Host* h) { installed = h; }

}  // namespace host
