#include "app/platform/Runtime.h"

#include <QFontDatabase>
#include <QStringEncoder>
#include <QStyleFactory>
#include <cstdio>

namespace Platform {
namespace {

int unhandledExceptions = 0;

QString FirstInstalled(std::initializer_list<const char*> families, const char* fallback) {
  const QStringList installed = QFontDatabase::families();
  for (const char* f : families)
    if (installed.contains(QString::fromLatin1(f), Qt::CaseInsensitive)) return QString::fromLatin1(f);
  return QString::fromLatin1(fallback);
}

}  // namespace

std::unique_ptr<QApplication> RuntimeInit(int& argc, char** argv) {
  auto app = std::make_unique<QApplication>(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QFont font(FontFamily(QStringLiteral("System")));
  font.setPixelSize(12);
  QApplication::setFont(font);
  return app;
}

QString FontFamily(const QString& designName) {
  static const QString sans =
      FirstInstalled({"Liberation Sans", "Arimo", "Helvetica", "DejaVu Sans"}, "Sans Serif");
  static const QString serif =
      FirstInstalled({"P052", "Palatino", "TeX Gyre Pagella", "Liberation Serif"}, "Serif");
  if (designName.compare(QStringLiteral("palatino"), Qt::CaseInsensitive) == 0) return serif;
  return sans;
}

void RunHandler(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    ReportUnhandledException(e.what());
  } catch (...) {
    ReportUnhandledException("unknown exception");
  }
}

void ReportUnhandledException(const char* what) {
  ++unhandledExceptions;
  std::fprintf(stderr, "Unhandled exception: %s\n", what);
  std::fflush(stderr);
  QCoreApplication::exit(1);
}

int UnhandledExceptionCount() { return unhandledExceptions; }

QByteArray ToWindowsAnsi(const QString& text) {
  QStringEncoder encoder("windows-1252");
  QByteArray out;
  out.reserve(text.size());
  // One code point at a time, so that a character the code page lacks becomes '?' rather
  // than the encoder's substitute control character.
  for (qsizetype i = 0; i < text.size();) {
    const qsizetype width = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const QStringView one = QStringView(text).mid(i, width);
    const QByteArray encoded = encoder.isValid() ? QByteArray(encoder.encode(one))
                               : one.toLatin1();  // ASCII still passes without the codec
    const bool ascii = one.size() == 1 && one[0].unicode() < 0x80;
    if (encoder.hasError() || encoded.size() != 1 || (!encoder.isValid() && !ascii)) {
      out += '?';
      encoder.resetState();
    } else {
      out += encoded;
    }
    i += width;
  }
  return out;
}

}  // namespace Platform
