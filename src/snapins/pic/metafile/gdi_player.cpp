// Plays the drawing calls of a metafile onto a painter.
#include "snapins/pic/metafile/gdi_player.h"

#include <QFontMetricsF>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace tolvex {

namespace {

// Limits that keep a hostile file from making the player slow or large.
constexpr std::size_t kMaxSavedStates = 1024;
constexpr std::size_t kMaxObjectSlots = 65536;
constexpr int kMaxClipElements = 4096;
constexpr double kMaxFontPixels = 2048;

// Raster operations of the recording system.
constexpr quint32 kRopSourceAnd = 0x008800C6;
constexpr quint32 kRopSourcePaint = 0x00EE0086;
constexpr quint32 kRopSourceInvert = 0x00660046;
constexpr quint32 kRopBlackness = 0x00000042;
constexpr quint32 kRopWhiteness = 0x00FF0062;
constexpr quint32 kRopPatternInvert = 0x005A0049;

// Whether `t` maps to something drawable: finite and not degenerate.
bool Usable(const QTransform& t) {
  const double values[] = {t.m11(), t.m12(), t.m21(), t.m22(), t.dx(), t.dy()};
  for (double v : values) {
    if (!std::isfinite(v) || std::abs(v) > 1e12) return false;
  }
  const double det = std::abs(t.determinant());
  return det > 1e-12 && det < 1e12;
}

double Scale(const QTransform& t) { return std::sqrt(std::abs(t.determinant())); }

QPainter::CompositionMode ModeFor(quint32 rop) {
  switch (rop) {
    case kRopSourceAnd:
      return QPainter::RasterOp_SourceAndDestination;
    case kRopSourcePaint:
      return QPainter::RasterOp_SourceOrDestination;
    case kRopSourceInvert:
    case kRopPatternInvert:
      return QPainter::RasterOp_SourceXorDestination;
    default:
      return QPainter::CompositionMode_SourceOver;
  }
}

Qt::BrushStyle HatchStyle(int hatch) {
  switch (hatch) {
    case 0:
      return Qt::HorPattern;
    case 1:
      return Qt::VerPattern;
    case 2:
      return Qt::FDiagPattern;
    case 3:
      return Qt::BDiagPattern;
    case 4:
      return Qt::CrossPattern;
    default:
      return Qt::DiagCrossPattern;
  }
}

// The angle (degrees, counter-clockwise) of `point` on the ellipse in `box`.
double EllipseAngle(const QRectF& box, QPointF point) {
  const QPointF c = box.center();
  return qRadiansToDegrees(std::atan2(-(point.y() - c.y()) / (box.height() / 2),
                                      (point.x() - c.x()) / (box.width() / 2)));
}

QPainterPath RectPath(const QRectF& rect) {
  QPainterPath path;
  path.addRect(rect.normalized());
  return path;
}

QPainterPath OpenPath(const QPolygonF& points) {
  QPainterPath path;
  if (points.isEmpty()) return path;
  path.moveTo(points.first());
  for (qsizetype i = 1; i < points.size(); ++i) path.lineTo(points[i]);
  return path;
}

// Appends the Bézier segments of `points` (three per segment) to `path`.
void AddBeziers(QPainterPath& path, const QPolygonF& points, qsizetype first) {
  for (qsizetype i = first; i + 2 < points.size(); i += 3) {
    path.cubicTo(points[i], points[i + 1], points[i + 2]);
  }
}

}  // namespace

TGdiPlayer::TGdiPlayer(QPainter& painter, const QTransform& deviceToImage,
                       QSizeF devicePerMillimetre)
    : painter_(painter),
      deviceToImage_(deviceToImage),
      devicePerMillimetre_(devicePerMillimetre),
      imageRect_(QPointF(0, 0), QSizeF(painter.device()->width(), painter.device()->height())) {
  state_.font.height = 0;
}

void TGdiPlayer::SetObjectSlots(int count) {
  objects_.assign(std::clamp<std::size_t>(std::size_t(std::max(count, 0)), 0, kMaxObjectSlots),
                  std::nullopt);
}

void TGdiPlayer::AddObject(TGdiObject object) {
  for (auto& slot : objects_) {
    if (!slot) {
      slot = std::move(object);
      return;
    }
  }
  if (objects_.size() < kMaxObjectSlots) objects_.emplace_back(std::move(object));
}

void TGdiPlayer::SetObject(quint32 index, TGdiObject object) {
  if (index >= kMaxObjectSlots) return;
  if (index >= objects_.size()) objects_.resize(index + 1);
  objects_[index] = std::move(object);
}

void TGdiPlayer::SelectObject(quint32 index) {
  if (index >= objects_.size() || !objects_[index]) return;
  std::visit(
      [this](const auto& object) {
        using T = std::decay_t<decltype(object)>;
        if constexpr (std::is_same_v<T, TGdiPen>) state_.pen = object;
        if constexpr (std::is_same_v<T, TGdiBrush>) state_.brush = object;
        if constexpr (std::is_same_v<T, TGdiFont>) state_.font = object;
      },
      *objects_[index]);
}

void TGdiPlayer::SelectStockObject(quint32 stock) {
  static constexpr int kBrushGrey[] = {255, 192, 128, 64, 0};
  if (stock <= 4) {
    state_.brush = TGdiBrush{kBrushSolid, QColor(kBrushGrey[stock], kBrushGrey[stock],
                                                 kBrushGrey[stock])};
  } else if (stock == 5) {
    state_.brush = TGdiBrush{kBrushNull};
  } else if (stock == 6) {
    state_.pen = TGdiPen{kPenSolid, 0, Qt::white};
  } else if (stock == 7 || stock == 19) {
    state_.pen = TGdiPen{};
  } else if (stock == 8) {
    state_.pen = TGdiPen{kPenNull};
  } else if (stock >= 10 && stock <= 17 && stock != 15) {
    state_.font = TGdiFont{};
  } else if (stock == 18) {
    state_.brush = TGdiBrush{};
  }
}

void TGdiPlayer::DeleteObject(quint32 index) {
  if (index < objects_.size()) objects_[index].reset();
}

void TGdiPlayer::SetMapMode(int mode) {
  if (mode >= kMapText && mode <= kMapAnisotropic) state_.mapMode = mode;
}

void TGdiPlayer::SetWindowOrg(QPointF origin) { state_.windowOrg = origin; }
void TGdiPlayer::SetWindowExt(QSizeF extent) {
  if (extent.width() != 0 && extent.height() != 0) state_.windowExt = extent;
}
void TGdiPlayer::SetViewportOrg(QPointF origin) { state_.viewportOrg = origin; }
void TGdiPlayer::SetViewportExt(QSizeF extent) {
  if (extent.width() != 0 && extent.height() != 0) state_.viewportExt = extent;
}
void TGdiPlayer::OffsetWindowOrg(QPointF by) { state_.windowOrg += by; }
void TGdiPlayer::OffsetViewportOrg(QPointF by) { state_.viewportOrg += by; }

void TGdiPlayer::ScaleWindowExt(double xNum, double xDenom, double yNum, double yDenom) {
  if (xDenom == 0 || yDenom == 0) return;
  SetWindowExt(QSizeF(state_.windowExt.width() * xNum / xDenom,
                      state_.windowExt.height() * yNum / yDenom));
}

void TGdiPlayer::ScaleViewportExt(double xNum, double xDenom, double yNum, double yDenom) {
  if (xDenom == 0 || yDenom == 0) return;
  SetViewportExt(QSizeF(state_.viewportExt.width() * xNum / xDenom,
                        state_.viewportExt.height() * yNum / yDenom));
}

void TGdiPlayer::SetWorldTransform(const QTransform& transform) { state_.world = transform; }

void TGdiPlayer::ModifyWorldTransform(const QTransform& transform, int mode) {
  switch (mode) {
    case 1:
      state_.world = QTransform();
      break;
    case 2:
      state_.world = transform * state_.world;
      break;
    case 3:
      state_.world = state_.world * transform;
      break;
    case 4:
      state_.world = transform;
      break;
    default:
      break;
  }
}

void TGdiPlayer::SaveDC() {
  if (saved_.size() < kMaxSavedStates) saved_.push_back(state_);
}

void TGdiPlayer::RestoreDC(int which) {
  const qint64 index = which < 0 ? qint64(saved_.size()) + which : qint64(which) - 1;
  if (index < 0 || index >= qint64(saved_.size())) return;
  state_ = saved_[std::size_t(index)];
  saved_.resize(std::size_t(index));
}

void TGdiPlayer::IntersectClipRect(const QRectF& rect) {
  const QTransform t = LogicalToImage();
  if (!Usable(t)) return;
  const QPainterPath mapped = t.map(RectPath(rect));
  SetClip(state_.clip ? state_.clip->intersected(mapped) : mapped);
}

void TGdiPlayer::ExcludeClipRect(const QRectF& rect) {
  const QTransform t = LogicalToImage();
  if (!Usable(t)) return;
  const QPainterPath base = state_.clip ? *state_.clip : RectPath(imageRect_);
  SetClip(base.subtracted(t.map(RectPath(rect))));
}

void TGdiPlayer::SetClip(const QPainterPath& clip) {
  if (clip.elementCount() <= kMaxClipElements) state_.clip = clip;
}

QTransform TGdiPlayer::PageTransform() const {
  const TState& s = state_;
  // Millimetres per logical unit of the fixed mapping modes.
  static constexpr double kMillimetres[] = {0, 0, 0.1, 0.01, 0.254, 0.0254, 25.4 / 1440};
  double sx = 1;
  double sy = 1;
  if (s.mapMode >= kMapLoMetric && s.mapMode <= kMapTwips) {
    sx = kMillimetres[s.mapMode] * devicePerMillimetre_.width();
    sy = -kMillimetres[s.mapMode] * devicePerMillimetre_.height();
  } else if (s.mapMode == kMapIsotropic || s.mapMode == kMapAnisotropic) {
    sx = s.viewportExt.width() / s.windowExt.width();
    sy = s.viewportExt.height() / s.windowExt.height();
    if (s.mapMode == kMapIsotropic) {
      const double both = std::min(std::abs(sx), std::abs(sy));
      sx = std::copysign(both, sx);
      sy = std::copysign(both, sy);
    }
  }
  return QTransform(sx, 0, 0, sy, s.viewportOrg.x() - s.windowOrg.x() * sx,
                    s.viewportOrg.y() - s.windowOrg.y() * sy);
}

QTransform TGdiPlayer::LogicalToImage() const {
  return state_.world * PageTransform() * deviceToImage_;
}

void TGdiPlayer::Prepare(const QTransform& transform) {
  painter_.resetTransform();
  if (state_.clip) {
    painter_.setClipPath(*state_.clip);
  } else {
    painter_.setClipping(false);
  }
  painter_.setTransform(transform);
  painter_.setBackgroundMode(state_.opaqueBackground ? Qt::OpaqueMode : Qt::TransparentMode);
  painter_.setBackground(state_.bkColor);
}

QPen TGdiPlayer::PenFor(const TGdiPen& pen) const {
  const int style = pen.style & kPenStyleMask;
  if (style == kPenNull) return Qt::NoPen;
  QPen result(pen.color);
  const double scale = Scale(LogicalToImage());
  const double limit = std::max(imageRect_.width(), imageRect_.height()) * 4;
  if (pen.width * scale < 1.5) {
    result.setCosmetic(true);
    result.setWidthF(1);
  } else {
    result.setWidthF(std::min(pen.width * scale, limit) / scale);
  }
  static constexpr Qt::PenStyle kStyles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine,
                                             Qt::DashDotLine, Qt::DashDotDotLine};
  result.setStyle(style < 5 ? kStyles[style] : Qt::SolidLine);
  const int cap = pen.style & kPenEndCapMask;
  result.setCapStyle(cap == kPenEndSquare ? Qt::SquareCap
                     : cap == kPenEndFlat ? Qt::FlatCap
                                          : Qt::RoundCap);
  const int join = pen.style & kPenJoinMask;
  result.setJoinStyle(join == kPenJoinBevel   ? Qt::BevelJoin
                      : join == kPenJoinMiter ? Qt::MiterJoin
                                              : Qt::RoundJoin);
  return result;
}

QBrush TGdiPlayer::BrushFor(const TGdiBrush& brush) const {
  QBrush result;
  switch (brush.style) {
    case kBrushNull:
      return Qt::NoBrush;
    case kBrushHatched:
      result = QBrush(brush.color, HatchStyle(brush.hatch));
      break;
    case kBrushPattern:
      if (brush.pattern.isNull()) return QBrush(brush.color);
      result = QBrush(brush.pattern);
      break;
    default:
      return QBrush(brush.color);
  }
  // Patterns and hatches stay in device pixels whatever the mapping.
  result.setTransform(LogicalToImage().inverted());
  return result;
}

void TGdiPlayer::DrawPathNow(const QPainterPath& path, bool fill, bool stroke) {
  const QTransform t = LogicalToImage();
  if (!Usable(t)) return;
  Prepare(t);
  painter_.setPen(stroke ? PenFor(state_.pen) : QPen(Qt::NoPen));
  painter_.setBrush(fill ? BrushFor(state_.brush) : QBrush(Qt::NoBrush));
  QPainterPath filled = path;
  filled.setFillRule(state_.winding ? Qt::WindingFill : Qt::OddEvenFill);
  painter_.drawPath(filled);
}

void TGdiPlayer::Draw(const QPainterPath& path, bool fill) {
  if (state_.inPath) {
    path_.addPath(path);
    return;
  }
  DrawPathNow(path, fill, true);
}

void TGdiPlayer::MoveTo(QPointF point) {
  state_.position = point;
  if (state_.inPath) path_.moveTo(point);
}

void TGdiPlayer::LineTo(QPointF point) {
  PolylineTo(QPolygonF{point});
}

void TGdiPlayer::Rectangle(const QRectF& rect) { Draw(RectPath(rect), true); }

void TGdiPlayer::RoundRect(const QRectF& rect, QSizeF corner) {
  QPainterPath path;
  path.addRoundedRect(rect.normalized(), std::abs(corner.width()) / 2,
                      std::abs(corner.height()) / 2);
  Draw(path, true);
}

void TGdiPlayer::Ellipse(const QRectF& rect) {
  QPainterPath path;
  path.addEllipse(rect.normalized());
  Draw(path, true);
}

void TGdiPlayer::Arc(const QRectF& box, QPointF start, QPointF end, TArcKind kind) {
  const QRectF normal = box.normalized();
  if (normal.width() <= 0 || normal.height() <= 0) return;
  const double from = EllipseAngle(normal, start);
  double sweep = EllipseAngle(normal, end) - from;
  if (sweep <= 0) sweep += 360;
  QPainterPath path;
  if (kind == TArcKind::Pie) {
    path.moveTo(normal.center());
  } else {
    path.arcMoveTo(normal, from);
  }
  path.arcTo(normal, from, sweep);
  if (kind != TArcKind::Arc) path.closeSubpath();
  Draw(path, kind != TArcKind::Arc);
}

void TGdiPlayer::Polygon(const QPolygonF& points) {
  if (points.size() < 2) return;
  QPainterPath path;
  path.addPolygon(points);
  path.closeSubpath();
  Draw(path, true);
}

void TGdiPlayer::Polyline(const QPolygonF& points) {
  if (points.size() < 2) return;
  Draw(OpenPath(points), false);
}

void TGdiPlayer::PolylineTo(const QPolygonF& points) {
  if (points.isEmpty()) return;
  if (state_.inPath) {
    if (path_.elementCount() == 0) path_.moveTo(state_.position);
    for (const QPointF& point : points) path_.lineTo(point);
  } else {
    DrawPathNow(OpenPath(QPolygonF{state_.position} + points), false, true);
  }
  state_.position = points.last();
}

void TGdiPlayer::PolyPolygon(const QList<QPolygonF>& polygons) {
  QPainterPath path;
  for (const QPolygonF& polygon : polygons) {
    if (polygon.size() < 2) continue;
    path.addPolygon(polygon);
    path.closeSubpath();
  }
  Draw(path, true);
}

void TGdiPlayer::PolyPolyline(const QList<QPolygonF>& polylines) {
  QPainterPath path;
  for (const QPolygonF& polyline : polylines) path.addPath(OpenPath(polyline));
  Draw(path, false);
}

void TGdiPlayer::PolyBezier(const QPolygonF& points) {
  if (points.size() < 4) return;
  QPainterPath path(points.first());
  AddBeziers(path, points, 1);
  Draw(path, false);
}

void TGdiPlayer::PolyBezierTo(const QPolygonF& points) {
  if (points.size() < 3) return;
  if (state_.inPath) {
    if (path_.elementCount() == 0) path_.moveTo(state_.position);
    AddBeziers(path_, points, 0);
  } else {
    QPainterPath path(state_.position);
    AddBeziers(path, points, 0);
    DrawPathNow(path, false, true);
  }
  state_.position = points[(points.size() / 3) * 3 - 1];
}

void TGdiPlayer::SetPixel(QPointF point, QColor color) {
  const QTransform t = LogicalToImage();
  if (!Usable(t)) return;
  Prepare(QTransform());
  const QPointF at = t.map(point);
  painter_.fillRect(QRectF(std::floor(at.x()), std::floor(at.y()), 1, 1), color);
}

void TGdiPlayer::Text(QPointF reference, const QString& text, const QList<double>& advances,
                      quint32 options, const QRectF& rect) {
  const QTransform t = LogicalToImage();
  if (!Usable(t)) return;
  const bool updateCp = state_.textAlign & kAlignUpdateCp;
  const QPointF at = updateCp ? state_.position : reference;
  const double scaleX = std::hypot(t.m11(), t.m12());
  const double scaleY = std::hypot(t.m21(), t.m22());
  const TGdiFont& logical = state_.font;

  double pixels = logical.height == 0 ? 13 : std::abs(logical.height) * scaleY;
  if (pixels < 0.5) return;
  QFont font(logical.face.isEmpty() ? QStringLiteral("Sans Serif") : logical.face);
  font.setPixelSize(std::max(1, int(std::lround(std::min(pixels, kMaxFontPixels)))));
  if (logical.height > 0) {
    // A positive height is the cell's (ascent and descent together).
    const QFontMetricsF cell(font);
    const double ratio = cell.height() > 0 ? font.pixelSize() / cell.height() : 1;
    font.setPixelSize(std::max(1, int(std::lround(std::min(pixels * ratio, kMaxFontPixels)))));
  }
  font.setWeight(QFont::Weight(std::clamp(logical.weight == 0 ? 400 : logical.weight, 100, 900)));
  font.setItalic(logical.italic);
  font.setUnderline(logical.underline);
  font.setStrikeOut(logical.strikeOut);
  const QFontMetricsF metrics(font);

  QList<double> steps;
  double total = 0;
  if (advances.size() >= text.size()) {
    for (qsizetype i = 0; i < text.size(); ++i) {
      steps.append(advances[i] * scaleX);
      total += steps.last();
    }
  } else {
    total = metrics.horizontalAdvance(text);
  }

  if ((options & kTextOpaque) && !rect.isNull()) {
    Prepare(t);
    painter_.fillRect(rect.normalized(), state_.bkColor);
  }
  Prepare(QTransform());
  if (options & kTextClipped) painter_.setClipPath(t.map(RectPath(rect)), Qt::IntersectClip);

  const quint32 horizontal = state_.textAlign & kAlignHorizontalMask;
  const quint32 vertical = state_.textAlign & kAlignVerticalMask;
  const double x = horizontal == kAlignCenter ? -total / 2 : horizontal == kAlignRight ? -total : 0;
  const double y = vertical == kAlignBaseline ? 0
                   : vertical == kAlignBottom ? -metrics.descent()
                                              : metrics.ascent();
  QTransform place;
  place.translate(t.map(at).x(), t.map(at).y());
  place.rotate(-logical.escapement / 10.0);
  painter_.setTransform(place);
  painter_.setFont(font);
  if (state_.opaqueBackground && !(options & kTextOpaque)) {
    painter_.fillRect(QRectF(x, y - metrics.ascent(), total, metrics.height()), state_.bkColor);
  }
  painter_.setPen(state_.textColor);
  if (steps.isEmpty()) {
    painter_.drawText(QPointF(x, y), text);
  } else {
    double cursor = x;
    for (qsizetype i = 0; i < text.size(); ++i) {
      const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
      painter_.drawText(QPointF(cursor, y), text.mid(i, pair ? 2 : 1));
      cursor += steps[i];
      if (pair) cursor += steps[++i];
    }
  }
  if (updateCp && horizontal == 0 && scaleX > 0) {
    state_.position = at + QPointF(total / scaleX, 0);
  }
}

void TGdiPlayer::Blit(const QRectF& target, const QImage& image, const QRectF& source,
                      quint32 rop) {
  const QTransform t = LogicalToImage();
  if (!Usable(t) || image.isNull()) return;
  // A negative extent mirrors the picture.
  QTransform flip;
  flip.translate(target.center().x(), target.center().y());
  flip.scale(target.width() < 0 ? -1 : 1, target.height() < 0 ? -1 : 1);
  flip.translate(-target.center().x(), -target.center().y());
  Prepare(flip * t);
  painter_.setCompositionMode(ModeFor(rop));
  painter_.drawImage(target.normalized(), image, source.normalized());
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TGdiPlayer::PatternBlit(const QRectF& target, quint32 rop) {
  const QTransform t = LogicalToImage();
  if (!Usable(t)) return;
  Prepare(t);
  QBrush brush = BrushFor(state_.brush);
  if (rop == kRopBlackness) brush = Qt::black;
  if (rop == kRopWhiteness) brush = Qt::white;
  painter_.setCompositionMode(ModeFor(rop));
  painter_.fillRect(target.normalized(), brush);
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TGdiPlayer::BeginPath() {
  path_ = QPainterPath();
  state_.inPath = true;
}

void TGdiPlayer::AbortPath() {
  path_ = QPainterPath();
  state_.inPath = false;
}

void TGdiPlayer::CloseFigure() {
  if (state_.inPath) path_.closeSubpath();
}

void TGdiPlayer::FillPath() {
  DrawPathNow(path_, true, false);
  path_ = QPainterPath();
}

void TGdiPlayer::StrokePath() {
  DrawPathNow(path_, false, true);
  path_ = QPainterPath();
}

void TGdiPlayer::StrokeAndFillPath() {
  DrawPathNow(path_, true, true);
  path_ = QPainterPath();
}

void TGdiPlayer::SelectClipPath() {
  const QTransform t = LogicalToImage();
  if (Usable(t)) {
    const QPainterPath mapped = t.map(path_);
    SetClip(state_.clip ? state_.clip->intersected(mapped) : mapped);
  }
  path_ = QPainterPath();
}

}  // namespace tolvex
