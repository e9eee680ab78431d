// Mouse events for the year planner's tests, sent straight to the widget,
// and German regional settings for their life.
#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <memory>

#include "platform/regional_settings.h"
#include "platform/sim/sim_regional_settings.h"
#include "snapins/clock/year_planner.h"

namespace tolvex::test {

class GermanSettings {
 public:
  GermanSettings() {
    platform::SetRegionalSettings(std::make_unique<platform::sim::SimRegionalSettings>());
  }
  ~GermanSettings() { platform::SetRegionalSettings(nullptr); }
  GermanSettings(const GermanSettings&) = delete;
  GermanSettings& operator=(const GermanSettings&) = delete;
};

inline void SendMouse(QWidget& widget, QEvent::Type type, QPoint at,
                      Qt::MouseButtons held = Qt::LeftButton) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)), button, held,
                    Qt::NoModifier);
  QApplication::sendEvent(&widget, &event);
}

inline QPoint CellCentre(const TYearPlanner& planner, int column, int row) {
  return planner.Geometry().CellRect(column, row).center();
}

// The cell (column, row) of `day` of `month`.
inline QPoint CellOf(const TYearPlanner& planner, int month, int day) {
  return QPoint(day + planner.MonthOffset(month), month);
}

// Presses on one cell, drags to another and lets go.
inline void Drag(TYearPlanner& planner, QPoint fromCell, QPoint toCell) {
  SendMouse(planner, QEvent::MouseButtonPress, CellCentre(planner, fromCell.x(), fromCell.y()));
  SendMouse(planner, QEvent::MouseMove, CellCentre(planner, toCell.x(), toCell.y()));
  SendMouse(planner, QEvent::MouseButtonRelease, CellCentre(planner, toCell.x(), toCell.y()),
            Qt::NoButton);
}

}  // namespace tolvex::test
