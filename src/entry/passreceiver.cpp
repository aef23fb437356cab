#include "entry/passreceiver.h"

#include <array>
#include <cstddef>

namespace {
std::array<PassnrReceiver*, 3> gReceivers{nullptr, nullptr, nullptr};
}

PassnrReceiver::~PassnrReceiver() { unregisterPassnrReceiver(this); }

void registerPassnrReceiver(ReceiverRole role, PassnrReceiver* receiver) {
  gReceivers[static_cast<std::size_t>(role)] = receiver;
}

void unregisterPassnrReceiver(PassnrReceiver* receiver) {
  for (auto& r : gReceivers)
    if (r == receiver) r = nullptr;
}

PassnrReceiver* passnrReceiver(ReceiverRole role) { return gReceivers[static_cast<std::size_t>(role)]; }

bool handOverPassnr(long passnr) {
  for (PassnrReceiver* r : gReceivers) {
    if (r && r->receiverVisible()) {
      r->receivePassnr(passnr);
      return true;
    }
  }
  return false;
}
