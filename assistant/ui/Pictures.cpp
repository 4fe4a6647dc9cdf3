#include "Pictures.h"

#include <QPainter>
#include <QCoreApplication>
#include <QPainterPath>
#include <cmath>
#include <functional>
#include <optional>
#include <vector>

#include "Colors.h"
#include "Lumbrick.h"

// The drawings stand for the image resources of the original forms: like the
// windows' design code they carry no protective blocks.
namespace {

const QColor kGreen{0x00, 0x80, 0x00};
const QColor kDarkBlue{0x00, 0x40, 0x90};
const QColor kOrange{0xF0, 0xA0, 0x20};

QPixmap Picture(int width, int height, const std::function<void(QPainter&)>& draw, bool smooth = true) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, smooth);
  draw(painter);
  painter.end();
  return QPixmap::fromImage(image);
}

QPixmap Icon16(const std::function<void(QPainter&)>& draw) { return Picture(16, 16, draw); }

QPen Stroke(const QColor& color, qreal width) { return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void Tick(QPainter& p, const QColor& color) {
  p.setPen(Stroke(color, 2.4));
  p.drawPolyline(QPolygonF({QPointF(3.5, 8.5), QPointF(6.5, 11.5), QPointF(12.5, 4.5)}));
}

void Cross(QPainter& p, const QColor& color, qreal width, const QRectF& box) {
  p.setPen(Stroke(color, width));
  p.drawLine(box.topLeft(), box.bottomRight());
  p.drawLine(box.topRight(), box.bottomLeft());
}

void Floppy(QPainter& p, const QRectF& box) {
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(kDarkBlue);
  p.drawRect(box);
  const qreal w = box.width(), h = box.height();
  p.setBrush(Qt::white);
  p.setPen(Qt::NoPen);
  p.drawRect(QRectF(box.left() + w * 0.2, box.top() + 1, w * 0.6, h * 0.42));  // label
  p.setBrush(QColor(0xC0, 0xC0, 0xC0));
  p.drawRect(QRectF(box.left() + w * 0.3, box.bottom() - h * 0.35, w * 0.4, h * 0.35));  // shutter
}

void Bug(QPainter& p, const QColor& body, const QRectF& box) {
  const QPointF c = box.center();
  const qreal w = box.width(), h = box.height();
  p.setPen(QPen(Qt::black, w / 10.0));
  for (qreal dy : {-0.22, 0.02, 0.26}) {  // legs
    p.drawLine(QPointF(box.left(), c.y() + dy * h - h * 0.08), QPointF(box.right(), c.y() + dy * h - h * 0.08));
  }
  p.setBrush(body);
  p.drawEllipse(QRectF(c.x() - w * 0.3, box.top() + h * 0.15, w * 0.6, h * 0.85));  // body
  p.drawEllipse(QRectF(c.x() - w * 0.17, box.top(), w * 0.34, h * 0.3));           // head
  p.drawLine(QPointF(c.x(), box.top() + h * 0.3), QPointF(c.x(), box.bottom()));
}

void CircleArrow(QPainter& p, const QColor& color, const QRectF& box, int startDeg, int spanDeg) {
  p.setPen(Stroke(color, 2.0));
  p.setBrush(Qt::NoBrush);
  p.drawArc(box, startDeg * 16, spanDeg * 16);
  // The head at the arc's end, pointing along it.
  const qreal end = qDegreesToRadians(qreal(startDeg + spanDeg));
  const QPointF tip(box.center().x() + box.width() / 2 * std::cos(end), box.center().y() - box.height() / 2 * std::sin(end));
  const qreal along = end + (spanDeg > 0 ? M_PI / 2 : -M_PI / 2);  // tangent direction
  const QPointF dir(std::cos(along), -std::sin(along));
  const QPointF side(-dir.y(), dir.x());
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawPolygon(QPolygonF({tip + dir * 3.0, tip + side * 2.5, tip - side * 2.5}));
}

TImageList Units() {
  TImageList list(16, 16);
  list.Add(Icon16([](QPainter& p) { Tick(p, kGreen); }));  // scanned
  list.Add(Icon16([](QPainter& p) {                        // errors
    p.setPen(Qt::NoPen);
    p.setBrush(clRed);
    p.drawEllipse(QRectF(2, 2, 12, 12));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 4, 2, 5.5));
    p.drawRect(QRectF(7, 10.5, 2, 2));
  }));
  list.Add(Icon16([](QPainter& p) {  // modified: a pencil
    p.translate(8, 8);
    p.rotate(-45);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(kOrange);
    p.drawRect(QRectF(-2.8, -1.8, 7, 3.6));
    p.setBrush(QColor(0xF0, 0xD0, 0xA0));
    p.drawPolygon(QPolygonF({QPointF(-2.8, -1.8), QPointF(-2.8, 1.8), QPointF(-5.6, 0)}));
    p.setBrush(QColor(0xE0, 0x70, 0x90));
    p.drawRect(QRectF(4.2, -1.8, 1.4, 3.6));
  }));
  list.Add(Icon16([](QPainter& p) { Floppy(p, QRectF(2.5, 2.5, 11, 11)); }));  // saved
  list.Add(Icon16([](QPainter& p) {                                          // save error
    Floppy(p, QRectF(2.5, 2.5, 11, 11));
    Cross(p, clRed, 2.4, QRectF(4, 4, 8, 8));
  }));
  return list;
}

TImageList Procs() {
  TImageList list(16, 16);
  list.Add(Icon16([](QPainter& p) {  // added
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawRect(QRectF(6.5, 2.5, 3, 11));
    p.drawRect(QRectF(2.5, 6.5, 11, 3));
  }));
  list.Add(Icon16([](QPainter& p) { CircleArrow(p, clBlue, QRectF(4, 4, 7, 7), 90, 270); }));  // updated
  list.Add(Icon16([](QPainter& p) {  // removed
    p.setPen(Qt::NoPen);
    p.setBrush(clRed);
    p.drawRect(QRectF(2.5, 6.5, 11, 3));
  }));
  list.Add(Icon16([](QPainter& p) {  // ignored: no entry
    p.setPen(Stroke(clPurple, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(3, 3, 10, 10));
    p.drawLine(QPointF(4.8, 11.2), QPointF(11.2, 4.8));
  }));
  return list;
}

TImageList Bugs() {
  TImageList list(16, 16);
  list.Add(Icon16([](QPainter& p) { Bug(p, clPurple, QRectF(3.5, 3, 9, 10)); }));
  return list;
}

void AppliMark(QPainter& p, qreal size) {
  const qreal u = size / 16.0;
  p.setPen(Qt::NoPen);
  p.setBrush(clNavy);
  p.drawRoundedRect(QRectF(0.5 * u, 0.5 * u, 15 * u, 15 * u), 3 * u, 3 * u);
  Bug(p, clYellow, QRectF(3.5 * u, 2.5 * u, 9 * u, 11 * u));
}

TImageList Appli() {
  TImageList list(16, 16);
  list.Add(Icon16([](QPainter& p) { AppliMark(p, 16); }));
  return list;
}

QPixmap Logo() {
  return Picture(48, 48, [](QPainter& p) {
    Bug(p, clRed, QRectF(8, 6, 20, 24));
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 3));
    p.setBrush(QColor(0x80, 0xC0, 0xFF, 0x50));
    p.drawEllipse(QRectF(3, 3, 30, 30));  // a lens over the bug
    p.setPen(Stroke(QColor(0x60, 0x30, 0x10), 5));
    p.drawLine(QPointF(30, 30), QPointF(44, 44));
  });
}

// Plain polygons, not smoothed: a border fill must reach every arrow pixel.
QPixmap Arrow(bool up) {
  return Picture(16, 16, [up](QPainter& p) {
    QPolygon arrow({QPoint(8, 1), QPoint(15, 8), QPoint(11, 8), QPoint(11, 14), QPoint(4, 14), QPoint(4, 8), QPoint(1, 8)});
    if (!up)
      for (QPoint& point : arrow) point.setY(15 - point.y());
    p.setPen(Qt::black);
    p.setBrush(Qt::black);
    p.drawPolygon(arrow);
  }, false);
}

QPixmap GlyphPicture(TGlyph kind) {
  switch (kind) {
    case TGlyph::Accept: return Icon16([](QPainter& p) { Tick(p, kGreen); });
    case TGlyph::Cancel: return Icon16([](QPainter& p) { Cross(p, clRed, 2.6, QRectF(3.5, 3.5, 9, 9)); });
    case TGlyph::Close:
      return Icon16([](QPainter& p) {  // a door with an arrow going out
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(0xB0, 0x70, 0x30));
        p.drawRect(QRectF(2.5, 1.5, 7, 13));
        p.setPen(Stroke(kGreen, 2));
        p.drawLine(QPointF(7, 8), QPointF(14, 8));
        p.drawPolyline(QPolygonF({QPointF(11.5, 5.5), QPointF(14, 8), QPointF(11.5, 10.5)}));
      });
    case TGlyph::Save: return UnitPictures().Picture(3);
    case TGlyph::Help:
      return Icon16([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(clBlue);
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setPen(Stroke(Qt::white, 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(5.5, 3.5, 5, 5), -90 * 16, 270 * 16);
        p.drawLine(QPointF(8, 8.5), QPointF(8, 9.5));
        p.drawPoint(QPointF(8, 12));
      });
    case TGlyph::Scan:
      return Icon16([](QPainter& p) {  // a magnifier
        p.setPen(QPen(Qt::black, 1.8));
        p.setBrush(QColor(0xC0, 0xE0, 0xFF));
        p.drawEllipse(QRectF(2, 2, 8, 8));
        p.setPen(Stroke(QColor(0x60, 0x30, 0x10), 3));
        p.drawLine(QPointF(10, 10), QPointF(14, 14));
      });
    case TGlyph::Add: return ProcPictures().Picture(0);
    case TGlyph::Update: return ProcPictures().Picture(1);
    case TGlyph::Remove: return ProcPictures().Picture(2);
    case TGlyph::Ignore: return ProcPictures().Picture(3);
    case TGlyph::IgnoreUnit: return BugPictures().Picture(0);
    case TGlyph::Font:
      return Icon16([](QPainter& p) {  // a capital A
        p.setPen(Stroke(clNavy, 2));
        p.drawPolyline(QPolygonF({QPointF(2.5, 14), QPointF(8, 2), QPointF(13.5, 14)}));
        p.drawLine(QPointF(5, 9.5), QPointF(11, 9.5));
      });
    case TGlyph::AddFolder:
      return Icon16([](QPainter& p) {
        p.setPen(QPen(QColor(0x80, 0x60, 0x00), 1));
        p.setBrush(QColor(0xF0, 0xD0, 0x60));
        p.drawPolygon(QPolygonF({QPointF(1.5, 3.5), QPointF(6, 3.5), QPointF(7.5, 5), QPointF(12.5, 5),
                                 QPointF(12.5, 12.5), QPointF(1.5, 12.5)}));
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        p.drawRect(QRectF(11, 8, 2.5, 8));
        p.drawRect(QRectF(8.25, 10.75, 8, 2.5));
      });
    case TGlyph::Open:
      return Icon16([](QPainter& p) {  // an arrow to the right
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        p.drawPolygon(QPolygonF({QPointF(2, 6), QPointF(8, 6), QPointF(8, 2.5), QPointF(14, 8), QPointF(8, 13.5),
                                 QPointF(8, 10), QPointF(2, 10)}));
      });
    case TGlyph::CheckAll:
    case TGlyph::UncheckAll: {
      const bool ticked = kind == TGlyph::CheckAll;
      return Icon16([ticked](QPainter& p) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 2.5, 11, 11));
        if (ticked) Tick(p, Qt::black);
      });
    }
    case TGlyph::Secure:
      return Icon16([](QPainter& p) {  // a shield with a tick
        p.setPen(QPen(clNavy, 1));
        p.setBrush(QColor(0x40, 0x80, 0xC0));
        QPainterPath shield;
        shield.moveTo(8, 1.5);
        shield.lineTo(14, 3.5);
        shield.cubicTo(14, 9, 11, 12.5, 8, 14.5);
        shield.cubicTo(5, 12.5, 2, 9, 2, 3.5);
        shield.closeSubpath();
        p.drawPath(shield);
        Tick(p, Qt::white);
      });
    case TGlyph::Refresh:
      return Icon16([](QPainter& p) {
        CircleArrow(p, kGreen, QRectF(3, 3, 10, 10), 20, 140);
        CircleArrow(p, kGreen, QRectF(3, 3, 10, 10), 200, 140);
      });
  }
  return {};
}

// Each picture is drawn at its first use (a window shows only some of them),
// and all are freed with the application object: pixmaps may not outlive it.
struct TPictureStore {
  std::optional<TImageList> units, procs, bugs, appli;
  std::optional<QPixmap> logo, up, down;
  std::vector<std::optional<QPixmap>> glyphs =
      std::vector<std::optional<QPixmap>>(static_cast<std::size_t>(TGlyph::Refresh) + 1);  // by TGlyph
};

TPictureStore* store = nullptr;

void FreeStore() {
  delete store;
  store = nullptr;
}

TPictureStore& Store() {
  if (store == nullptr) {
    store = new TPictureStore;
    qAddPostRoutine(FreeStore);
  }
  return *store;
}

template <class T, class Draw>
const T& Made(std::optional<T>& slot, Draw draw) {
  if (!slot) slot = draw();
  return *slot;
}

}  // namespace

const TImageList& UnitPictures() try {
  return Made(Store().units, Units);
} catch (...) {
  VIX->Push("Function UnitPictures");
  throw;
}

const TImageList& ProcPictures() try {
  return Made(Store().procs, Procs);
} catch (...) {
  VIX->Push("Function ProcPictures");
  throw;
}

const TImageList& BugPictures() try {
  return Made(Store().bugs, Bugs);
} catch (...) {
  VIX->Push("Function BugPictures");
  throw;
}

const TImageList& AppliPictures() try {
  return Made(Store().appli, Appli);
} catch (...) {
  VIX->Push("Function AppliPictures");
  throw;
}

const QPixmap& LogoPicture() try {
  return Made(Store().logo, Logo);
} catch (...) {
  VIX->Push("Function LogoPicture");
  throw;
}

const QPixmap& ArrowGlyph(bool Up) try {
  return Up ? Made(Store().up, [] { return Arrow(true); }) : Made(Store().down, [] { return Arrow(false); });
} catch (...) {
  VIX->Push("Function ArrowGlyph");
  throw;
}

const QPixmap& Glyph(TGlyph Kind) try {
  return Made(Store().glyphs.at(static_cast<std::size_t>(Kind)), [Kind] { return GlyphPicture(Kind); });
} catch (...) {
  VIX->Push("Function Glyph");
  throw;
}
