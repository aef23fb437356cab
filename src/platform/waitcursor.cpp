#include "platform/waitcursor.h"

#include <QCursor>
#include <QGuiApplication>

WaitCursor::WaitCursor() {
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    active_ = true;
  }
}

WaitCursor::~WaitCursor() { restore(); }

void WaitCursor::restore() {
  if (!active_) return;
  active_ = false;
  QGuiApplication::restoreOverrideCursor();
}
