// The platform's image list: pictures of one size, by index, drawn where a
// window asks. Copies share the pictures.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <vector>

class QPainter;

class TImageList {
 public:
  TImageList(int width, int height) : width_(width), height_(height) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const { return static_cast<int>(pictures_.size()); }
  // Adds a picture of the list's size; its index.
  int Add(const QPixmap& picture);
  // Null outside the list.
  QPixmap Picture(int index) const;
  QIcon Icon(int index) const;
  // Draws picture index with its top-left corner at (x, y), its transparent
  // pixels leaving what is under them; nothing outside the list.
  void Draw(QPainter& painter, int x, int y, int index) const;

 private:
  int width_;
  int height_;
  std::vector<QPixmap> pictures_;
};
