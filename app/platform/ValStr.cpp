#include "app/platform/ValStr.h"

#include <charconv>
#include <cmath>
#include <string>

namespace Platform {
namespace {

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The leading number of the text as ASCII, without a leading '+', or empty if none.
std::string NumberPrefix(const QString& text) {
  qsizetype i = 0;
  const qsizetype n = text.size();
  while (i < n && text[i] == u' ') ++i;
  std::string out;
  if (i < n && (text[i] == u'+' || text[i] == u'-')) {
    if (text[i] == u'-') out += '-';
    ++i;
  }
  const qsizetype digitsStart = i;
  while (i < n && IsDigit(text[i])) out += char(text[i++].unicode());
  if (i == digitsStart) return {};
  if (i + 1 < n && text[i] == u'.' && IsDigit(text[i + 1])) {
    out += '.';
    ++i;
    while (i < n && IsDigit(text[i])) out += char(text[i++].unicode());
  }
  if (i < n && (text[i] == u'e' || text[i] == u'E')) {
    qsizetype j = i + 1;
    std::string exponent = "e";
    if (j < n && (text[j] == u'+' || text[j] == u'-')) exponent += char(text[j++].unicode());
    if (j < n && IsDigit(text[j])) {
      while (j < n && IsDigit(text[j])) exponent += char(text[j++].unicode());
      out += exponent;
    }
  }
  return out;
}

bool ParseFinite(const QString& text, double& value) {
  const std::string prefix = NumberPrefix(text);
  if (prefix.empty()) return false;
  double parsed = 0.0;
  const auto [end, error] = std::from_chars(prefix.data(), prefix.data() + prefix.size(), parsed);
  if (error != std::errc() || !std::isfinite(parsed)) return false;
  value = parsed;
  return true;
}

}  // namespace

double Val(const QString& text) {
  double value = 0.0;
  return ParseFinite(text, value) ? value : 0.0;
}

bool IsNumber(const QString& text) {
  double value = 0.0;
  return ParseFinite(text, value);
}

QString Str(double value) {
  if (!std::isfinite(value)) return {};
  char buffer[32];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
  std::string text(buffer, error == std::errc() ? end : buffer);
  if (text == "-0") text = "0";
  return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

}  // namespace Platform
