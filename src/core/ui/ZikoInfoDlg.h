#pragma once
#include <QByteArray>
#include <QImage>
#include <QLabel>
#include <QPushButton>

#include "platform/dialog.h"

// Decodes a JPEG image with libjpeg; a null image when the data is not a readable JPEG.
QImage decodeJpeg(const QByteArray& data);

// The about box: name, purpose and version above a picture.
class TZikoInfoDlg : public ZDialog {
  Q_OBJECT
 public:
  explicit TZikoInfoDlg(QWidget* parent = nullptr);

  void FormShow() override;

  QLabel* Label1;
  QLabel* Image1;
  QPushButton* ButtonOk;
};

extern TZikoInfoDlg* ZikoInfoDlg;
