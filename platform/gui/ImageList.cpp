#include "ImageList.h"

#include <QPainter>

int TImageList::Add(const QPixmap& picture) {
  pictures_.push_back(picture);
  return Count() - 1;
}

QPixmap TImageList::Picture(int index) const {
  return index >= 0 && index < Count() ? pictures_[static_cast<std::size_t>(index)] : QPixmap();
}

QIcon TImageList::Icon(int index) const {
  const QPixmap picture = Picture(index);
  return picture.isNull() ? QIcon() : QIcon(picture);
}

void TImageList::Draw(QPainter& painter, int x, int y, int index) const {
  if (index >= 0 && index < Count()) painter.drawPixmap(x, y, pictures_[static_cast<std::size_t>(index)]);
}
