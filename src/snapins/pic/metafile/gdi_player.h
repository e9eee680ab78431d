// Plays the drawing calls of a metafile onto a painter: the device
// context's state (mapping, objects, colours, alignment, clipping, the
// current position and path) and the drawing operations in logical units.
#pragma once

#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <optional>
#include <vector>

#include "snapins/pic/metafile/gdi_object.h"

namespace tolvex {

// Mapping modes of the recording system.
enum : int {
  kMapText = 1,
  kMapLoMetric = 2,
  kMapHiMetric = 3,
  kMapLoEnglish = 4,
  kMapHiEnglish = 5,
  kMapTwips = 6,
  kMapIsotropic = 7,
  kMapAnisotropic = 8,
};

// Text alignment flags.
enum : quint32 {
  kAlignUpdateCp = 1,
  kAlignRight = 2,
  kAlignCenter = 6,
  kAlignHorizontalMask = 6,
  kAlignBottom = 8,
  kAlignBaseline = 24,
  kAlignVerticalMask = 24,
};

// Text output options.
enum : quint32 { kTextOpaque = 2, kTextClipped = 4 };

enum class TArcKind { Arc, Chord, Pie };

class TGdiPlayer {
 public:
  // Draws on `painter`; `deviceToImage` places the recording device's
  // pixels on the painter's image; `devicePerMillimetre` is the recording
  // device's resolution, used by the metric mapping modes.
  TGdiPlayer(QPainter& painter, const QTransform& deviceToImage,
             QSizeF devicePerMillimetre);

  // The object table.
  void SetObjectSlots(int count);
  // Puts `object` into the first free slot (the table grows when full).
  void AddObject(TGdiObject object);
  void SetObject(quint32 index, TGdiObject object);
  void SelectObject(quint32 index);
  void SelectStockObject(quint32 stock);
  void DeleteObject(quint32 index);

  // Mapping.
  void SetMapMode(int mode);
  void SetWindowOrg(QPointF origin);
  void SetWindowExt(QSizeF extent);
  void SetViewportOrg(QPointF origin);
  void SetViewportExt(QSizeF extent);
  void OffsetWindowOrg(QPointF by);
  void OffsetViewportOrg(QPointF by);
  void ScaleWindowExt(double xNum, double xDenom, double yNum, double yDenom);
  void ScaleViewportExt(double xNum, double xDenom, double yNum, double yDenom);
  void SetWorldTransform(const QTransform& transform);
  // Modes: 1 identity, 2 `transform` before the current one, 3 after it,
  // 4 set.
  void ModifyWorldTransform(const QTransform& transform, int mode);

  // Attributes.
  void SetBkMode(int mode) { state_.opaqueBackground = mode == 2; }
  void SetBkColor(QColor color) { state_.bkColor = color; }
  void SetTextColor(QColor color) { state_.textColor = color; }
  void SetTextAlign(quint32 align) { state_.textAlign = align; }
  void SetPolyFillMode(int mode) { state_.winding = mode == 2; }
  void SaveDC();
  // `which` < 0: relative to the newest saved state; > 0: that saved state.
  void RestoreDC(int which);
  void IntersectClipRect(const QRectF& rect);
  void ExcludeClipRect(const QRectF& rect);

  // Drawing.
  void MoveTo(QPointF point);
  void LineTo(QPointF point);
  void Rectangle(const QRectF& rect);
  void RoundRect(const QRectF& rect, QSizeF corner);
  void Ellipse(const QRectF& rect);
  void Arc(const QRectF& box, QPointF start, QPointF end, TArcKind kind);
  void Polygon(const QPolygonF& points);
  void Polyline(const QPolygonF& points);
  void PolylineTo(const QPolygonF& points);
  void PolyPolygon(const QList<QPolygonF>& polygons);
  void PolyPolyline(const QList<QPolygonF>& polylines);
  void PolyBezier(const QPolygonF& points);
  void PolyBezierTo(const QPolygonF& points);
  void SetPixel(QPointF point, QColor color);
  // `advances` (logical units, may be empty) place each character.
  void Text(QPointF reference, const QString& text, const QList<double>& advances,
            quint32 options, const QRectF& rect);
  // Copies `source` of `image` onto `target` with the raster operation.
  void Blit(const QRectF& target, const QImage& image, const QRectF& source, quint32 rop);
  // Fills `target` with the selected brush (the pattern copies).
  void PatternBlit(const QRectF& target, quint32 rop);

  // Paths.
  void BeginPath();
  void EndPath() { state_.inPath = false; }
  void AbortPath();
  void CloseFigure();
  void FillPath();
  void StrokePath();
  void StrokeAndFillPath();
  void SelectClipPath();

 private:
  struct TState {
    int mapMode = kMapText;
    QPointF windowOrg, viewportOrg;
    QSizeF windowExt{1, 1}, viewportExt{1, 1};
    QTransform world;
    TGdiPen pen;
    TGdiBrush brush;
    TGdiFont font;
    bool opaqueBackground = true;
    QColor bkColor = Qt::white;
    QColor textColor = Qt::black;
    quint32 textAlign = 0;
    bool winding = false;
    QPointF position;
    std::optional<QPainterPath> clip;  // image coordinates
    bool inPath = false;
  };

  QTransform PageTransform() const;
  QTransform LogicalToImage() const;
  QPen PenFor(const TGdiPen& pen) const;
  QBrush BrushFor(const TGdiBrush& brush) const;
  // Draws `path` (logical units) with the pen and brush, or adds it to the
  // open path.
  void Draw(const QPainterPath& path, bool fill);
  void Prepare(const QTransform& transform);
  void SetClip(const QPainterPath& clip);
  void DrawPathNow(const QPainterPath& path, bool fill, bool stroke);

  QPainter& painter_;
  QTransform deviceToImage_;
  QSizeF devicePerMillimetre_;
  QRectF imageRect_;
  TState state_;
  std::vector<TState> saved_;
  std::vector<std::optional<TGdiObject>> objects_;
  QPainterPath path_;
};

}  // namespace tolvex
