#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "platform/text.h"

namespace clipboard {

void setText(const std::string& cp1252) {
  if (QClipboard* board = QGuiApplication::clipboard()) board->setText(qs(cp1252));
}

std::string text() {
  QClipboard* board = QGuiApplication::clipboard();
  return board ? fromQs(board->text()) : std::string();
}

}  // namespace clipboard
