// Draws the program's icon in three sizes and the picture of the about box
// into the directory named on the command line. The pictures are part of the
// sources; run this (target quillstat_art) only to change them.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

const QColor kNavy(0x1f, 0x3a, 0x5f);
const QColor kTeal(0x2a, 0x7f, 0x86);
const QColor kPaper(0xfb, 0xf8, 0xef);
const QColor kCode(0x8a, 0x93, 0xa0);
const QColor kComment(0x3c, 0xa0, 0x4e);
const QColor kQuill(0xf2, 0xc1, 0x4e);
const QColor kQuillShade(0xb8, 0x86, 0x1c);

// A sheet of source text: grey code lines and green comment lines, in a
// 32 × 40 box at the origin; `lines` says which is which ('c' code, '/' comment).
void drawPage(QPainter& painter, const char* lines) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(kPaper);
  QPainterPath sheet;
  sheet.moveTo(0, 0);
  sheet.lineTo(24, 0);
  sheet.lineTo(32, 8);
  sheet.lineTo(32, 40);
  sheet.lineTo(0, 40);
  sheet.closeSubpath();
  painter.drawPath(sheet);
  painter.setBrush(QColor(0xd8, 0xd2, 0xc0));
  painter.drawPolygon(QPolygonF({QPointF(24, 0), QPointF(24, 8), QPointF(32, 8)}));

  const int count = static_cast<int>(qstrlen(lines));
  const qreal step = 30.0 / count;
  for (int i = 0; i < count; ++i) {
    const bool comment = lines[i] == '/';
    const qreal width = comment ? 22 - (i % 2) * 6 : 24 - (i % 3) * 5;
    painter.setBrush(comment ? kComment : kCode);
    painter.drawRoundedRect(QRectF(4, 8 + i * step, width, step * 0.55), 1, 1);
  }
}

// A quill from its nib at the origin up and to the right, 36 units long.
void drawQuill(QPainter& painter) {
  QPainterPath vane;
  vane.moveTo(0, 0);
  vane.cubicTo(6, -10, 18, -30, 36, -36);
  vane.cubicTo(32, -22, 20, -8, 0, 0);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kQuill);
  painter.drawPath(vane);
  painter.setPen(QPen(kQuillShade, 1.4, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(0, 0), QPointF(28, -28));
}

QImage drawIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 48.0, size / 48.0);

  QLinearGradient background(0, 0, 48, 48);
  background.setColorAt(0, kTeal);
  background.setColorAt(1, kNavy);
  painter.setPen(Qt::NoPen);
  painter.setBrush(background);
  painter.drawRoundedRect(QRectF(1, 1, 46, 46), 9, 9);

  painter.save();
  painter.translate(6, 4);
  // Fewer, thicker lines where pixels are few.
  drawPage(painter, size < 24 ? "/c/" : "/cc/c");
  painter.restore();

  painter.save();
  painter.translate(24, 44);
  painter.scale(0.62, 0.62);
  drawQuill(painter);
  painter.restore();
  return image;
}

QImage drawAboutPicture() {
  // 24 bits a pixel: the box needs no transparency.
  QImage image(275, 106, QImage::Format_RGB888);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);

  QLinearGradient background(0, 0, 275, 106);
  background.setColorAt(0, kNavy);
  background.setColorAt(1, kTeal);
  painter.fillRect(image.rect(), background);

  // Faint lines of text in the background, like a page seen from afar.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 18));
  for (int row = 0; row < 9; ++row) {
    const int indent = (row % 3) * 10;
    painter.drawRoundedRect(QRectF(110 + indent, 10 + row * 10, 150 - indent - row * 4, 4), 2, 2);
  }

  painter.save();
  painter.translate(18, 12);
  painter.scale(1.95, 1.95);
  drawPage(painter, "/cc/cc/c");
  painter.restore();

  painter.save();
  painter.translate(52, 96);
  painter.scale(1.5, 1.5);
  drawQuill(painter);
  painter.restore();

  QFont title(QStringLiteral("DejaVu Sans"));
  title.setPixelSize(30);
  title.setBold(true);
  painter.setFont(title);
  painter.setPen(Qt::white);
  painter.drawText(QRectF(100, 18, 170, 40), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Quillstat"));

  QFont subtitle(QStringLiteral("DejaVu Sans"));
  subtitle.setPixelSize(11);
  painter.setFont(subtitle);
  painter.setPen(QColor(0xdc, 0xee, 0xf0));
  painter.drawText(QRectF(102, 58, 170, 16), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("статистика комментариев"));

  // The share of comments as a bar: the number the program is about.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 60));
  painter.drawRoundedRect(QRectF(102, 82, 150, 8), 4, 4);
  painter.setBrush(kComment.lighter(130));
  painter.drawRoundedRect(QRectF(102, 82, 58, 8), 4, 4);
  return image;
}

bool save(const QImage& image, const QDir& directory, const QString& name) {
  const QString path = directory.filePath(name);
  if (image.save(path, "PNG")) return true;
  std::fprintf(stderr, "draw_art: cannot write '%s'\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: draw_art DIRECTORY\n");
    return 2;
  }
  const QDir directory(QString::fromLocal8Bit(argv[1]));
  bool ok = true;
  for (int size : {16, 32, 48}) {
    ok = save(drawIcon(size), directory, QStringLiteral("quillstat-%1.png").arg(size)) && ok;
  }
  ok = save(drawAboutPicture(), directory, QStringLiteral("about.png")) && ok;
  return ok ? 0 : 1;
}
