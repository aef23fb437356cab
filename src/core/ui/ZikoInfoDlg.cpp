#include "core/ui/ZikoInfoDlg.h"

#include <QFile>
#include <QFrame>
#include <QPixmap>
#include <QVBoxLayout>
#include <csetjmp>
#include <memory>
#include <cstdio>

#include <jpeglib.h>

#include "platform/text.h"

TZikoInfoDlg* ZikoInfoDlg = nullptr;

// The picture lives in a resource of a static library, which is not registered on its own.
static void initAboutResource() { Q_INIT_RESOURCE(about); }

namespace {

struct JpegError {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
};

void onJpegError(j_common_ptr info) {
  auto* err = reinterpret_cast<JpegError*>(info->err);
  std::longjmp(err->jump, 1);
}

}  // namespace

QImage decodeJpeg(const QByteArray& data) {
  if (data.isEmpty()) return QImage();
  jpeg_decompress_struct info;
  JpegError err;
  info.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = onJpegError;
  // Everything the error path may touch is set up before the jump point. The image lives
  // behind a pointer that never changes after it, so the jump leaves no local undefined.
  const auto image = std::make_unique<QImage>();
  if (setjmp(err.jump)) {
    jpeg_destroy_decompress(&info);
    return QImage();
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
               static_cast<unsigned long>(data.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
    jpeg_destroy_decompress(&info);
    return QImage();
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  *image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB888);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image->scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return *image;
}

TZikoInfoDlg::TZikoInfoDlg(QWidget* parent) : ZDialog(parent) {
  setWindowTitle(qs("Info"));
  auto* panel = new QFrame(this);
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Sunken);
  Label1 = new QLabel(panel);
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setWordWrap(true);
  QFont bold = Label1->font();
  bold.setBold(true);
  Label1->setFont(bold);
  Image1 = new QLabel(panel);
  Image1->setScaledContents(true);
  Image1->setMinimumSize(240, 150);
  auto* panelLayout = new QVBoxLayout(panel);
  panelLayout->addWidget(Label1);
  panelLayout->addWidget(Image1, 1);
  ButtonOk = new QPushButton(qs("O&k"), this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(panel, 1);
  layout->addWidget(ButtonOk, 0, Qt::AlignCenter);
  connect(ButtonOk, &QPushButton::clicked, this, [this] { closeWith(mrOk); });
}

void TZikoInfoDlg::FormShow() {
  // Every window is made at start-up; the picture is decoded only once the box is shown.
  if (Image1->pixmap().isNull()) {
    initAboutResource();
    QFile picture(QStringLiteral(":/about.jpg"));
    if (picture.open(QIODevice::ReadOnly)) Image1->setPixmap(QPixmap::fromImage(decodeJpeg(picture.readAll())));
  }
  Label1->setText(qs(
      "ZielKontor.exe\nEine Software für den Schießsport\nzur Verwaltung von Rundenwettkämpfen\nVersion 04/10"));
}
