#include "app/platform/Pictures.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace Platform {

Picture::Picture(std::unique_ptr<QSvgRenderer> renderer) : renderer_(std::move(renderer)) {}
Picture::~Picture() = default;

void Picture::Draw(QPainter& painter, const QRectF& target) const {
  renderer_->render(&painter, target);
}

std::unique_ptr<Picture> GetPicture(int resourceNumber) {
  const QString path = QStringLiteral(":/pictures/%1").arg(resourceNumber);
  if (!QFile::exists(path)) return nullptr;
  auto renderer = std::make_unique<QSvgRenderer>(path);
  if (!renderer->isValid()) return nullptr;
  return std::make_unique<Picture>(std::move(renderer));
}

}  // namespace Platform
