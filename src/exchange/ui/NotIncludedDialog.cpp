#include "exchange/ui/NotIncludedDialog.h"

#include <QTimer>

#include "exchange/services.h"
#include "platform/text.h"

NotIncludedDialog::NotIncludedDialog(const char* caption, QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs(caption));
}

void NotIncludedDialog::FormShow() {
  // Closing from inside the show would leave a modal loop that never ends: close from it.
  QTimer::singleShot(0, this, [this] {
    showNotIncluded();
    closeWith(mrCancel);
  });
}
