#pragma once

#include <QRectF>
#include <memory>

class QPainter;
class QSvgRenderer;

namespace Platform {

// A picture of the application's resources, drawn at whatever size its control has.
class Picture {
 public:
  explicit Picture(std::unique_ptr<QSvgRenderer> renderer);
  ~Picture();
  void Draw(QPainter& painter, const QRectF& target) const;

 private:
  std::unique_ptr<QSvgRenderer> renderer_;
};

// Reads the picture with this resource number, or nothing if the resources hold none.
std::unique_ptr<Picture> GetPicture(int resourceNumber);

}  // namespace Platform
