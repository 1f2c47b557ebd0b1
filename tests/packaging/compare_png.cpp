// compare_png A.png B.png PERCENT MAX: counts the pixels of two pictures of
// the same size whose red, green, blue or alpha differ by more than PERCENT
// of the full scale, prints the count, and exits 0 when it is at most MAX.
// Exit 1 when they differ more or in size, 2 on bad arguments or files.
#include <QImage>
#include <QString>
#include <cstdio>
#include <cstdlib>

namespace {

bool Near(int a, int b, int tolerance) { return std::abs(a - b) <= tolerance; }

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 5) {
    std::fputs("usage: compare_png A.png B.png PERCENT MAX\n", stderr);
    return 2;
  }
  const QImage a = QImage(QString::fromLocal8Bit(argv[1]))
                       .convertToFormat(QImage::Format_ARGB32);
  const QImage b = QImage(QString::fromLocal8Bit(argv[2]))
                       .convertToFormat(QImage::Format_ARGB32);
  if (a.isNull() || b.isNull()) {
    std::fprintf(stderr, "compare_png: cannot read %s\n",
                 a.isNull() ? argv[1] : argv[2]);
    return 2;
  }
  if (a.size() != b.size()) {
    std::printf("sizes differ: %dx%d and %dx%d\n", a.width(), a.height(),
                b.width(), b.height());
    return 1;
  }
  const int tolerance = std::atoi(argv[3]) * 255 / 100;
  const int most = std::atoi(argv[4]);
  int differing = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      differing += !(Near(qRed(p), qRed(q), tolerance) &&
                     Near(qGreen(p), qGreen(q), tolerance) &&
                     Near(qBlue(p), qBlue(q), tolerance) &&
                     Near(qAlpha(p), qAlpha(q), tolerance));
    }
  }
  std::printf("%d\n", differing);
  return differing <= most ? 0 : 1;
}
