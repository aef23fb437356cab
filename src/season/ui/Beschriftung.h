#pragma once
// Button, group box and menu captions take '&' for a mnemonic. A class or discipline name
// shown in one has its '&' doubled, so that it reads as it is.
#include <QString>
#include <string>

#include "platform/text.h"

inline QString literalCaption(const std::string& text) {
  QString caption = qs(text);
  caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
  return caption;
}
