// Draws the receiver-control program's pictures into a folder: the mute glyphs
// sp_on.bmp / sp_off.bmp (18 x 18) and the splash picture splash.jpg (568 x 390, JPEG).
//   make_vondrix_resources OUTPUT_FOLDER
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

// jpeglib.h wants FILE and size_t declared before it.
#include <jpeglib.h>

namespace {

// A loudspeaker; muted = a red cross beside it, else two green sound waves.
QImage speakerGlyph(bool muted) {
  QImage img(18, 18, QImage::Format_RGB32);
  img.fill(QColor(192, 192, 192));  // the button face shows through
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(32, 32, 32));
  p.drawRect(2, 6, 3, 6);
  QPainterPath cone;
  cone.moveTo(5, 6);
  cone.lineTo(9, 2);
  cone.lineTo(9, 16);
  cone.lineTo(5, 12);
  cone.closeSubpath();
  p.drawPath(cone);
  if (muted) {
    p.setPen(QPen(QColor(220, 0, 0), 2));
    p.drawLine(11, 6, 16, 12);
    p.drawLine(16, 6, 11, 12);
  } else {
    p.setPen(QPen(QColor(0, 128, 0), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(7, 5, 6, 8), -60 * 16, 120 * 16);
    p.drawArc(QRectF(7, 2, 10, 14), -60 * 16, 120 * 16);
  }
  return img;
}

QImage splashPicture() {
  QImage img(568, 390, QImage::Format_RGB888);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, 390);
  sky.setColorAt(0, QColor(0, 60, 110));
  sky.setColorAt(1, QColor(0, 170, 190));
  p.fillRect(img.rect(), sky);
  // Radio waves from a receiver antenna.
  p.setPen(QPen(QColor(255, 255, 255, 90), 3));
  for (int r = 40; r <= 240; r += 40)
    p.drawArc(QRectF(420 - r, 150 - r, 2 * r, 2 * r), 100 * 16, 110 * 16);
  p.setPen(QPen(Qt::white, 4));
  p.drawLine(420, 150, 420, 250);
  p.fillRect(QRect(360, 250, 130, 46), QColor(30, 30, 30));
  p.fillRect(QRect(372, 262, 60, 10), QColor(0, 255, 0));
  p.fillRect(QRect(372, 278, 40, 10), QColor(255, 200, 0));
  QFont title("Liberation Sans", 54, QFont::Bold);
  p.setFont(title);
  p.setPen(Qt::white);
  p.drawText(QRect(36, 70, 400, 90), Qt::AlignLeft | Qt::AlignVCenter, "Vondrix");
  QFont sub("Liberation Sans", 15);
  p.setFont(sub);
  p.drawText(QRect(40, 160, 360, 60), Qt::AlignLeft | Qt::TextWordWrap,
             "Wireless receiver network control");
  QFont small("Liberation Sans", 10);
  p.setFont(small);
  p.setPen(QColor(220, 240, 255));
  p.drawText(QRect(40, 330, 400, 24), Qt::AlignLeft, "Orsek");
  return img;
}

bool writeJpeg(const QImage& image, const QString& path) {
  FILE* f = std::fopen(path.toLocal8Bit().constData(), "wb");
  if (!f) return false;
  jpeg_compress_struct info{};
  jpeg_error_mgr err{};
  info.err = jpeg_std_error(&err);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, f);
  info.image_width = static_cast<JDIMENSION>(image.width());
  info.image_height = static_cast<JDIMENSION>(image.height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 90, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<uchar*>(image.constScanLine(static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return std::fclose(f) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) return 2;
  const QString out = QString::fromLocal8Bit(argv[1]);
  bool ok = speakerGlyph(false).save(out + "/sp_on.bmp", "BMP") &&
            speakerGlyph(true).save(out + "/sp_off.bmp", "BMP") &&
            writeJpeg(splashPicture(), out + "/splash.jpg");
  return ok ? 0 : 1;
}
