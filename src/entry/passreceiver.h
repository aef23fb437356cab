#pragma once
// The shooter picker hands a chosen pass number to whichever window it serves. Those
// windows register here, so the picker names none of them. The first visible receiver in
// role order takes the number.
enum class ReceiverRole { Entry = 0, Captains = 1, RegularShooters = 2 };

class PassnrReceiver {
 public:
  virtual ~PassnrReceiver();
  virtual bool receiverVisible() const = 0;
  virtual void receivePassnr(long passnr) = 0;
};

void registerPassnrReceiver(ReceiverRole role, PassnrReceiver* receiver);
void unregisterPassnrReceiver(PassnrReceiver* receiver);
PassnrReceiver* passnrReceiver(ReceiverRole role);
// Hands the number to the first visible receiver; false when none is visible.
bool handOverPassnr(long passnr);
