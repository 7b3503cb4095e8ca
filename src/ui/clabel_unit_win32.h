#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "ui/child_unit_win32.h"
#include "ui/label_picture_win32.h"
#include "ui/label_settings.h"
#include "ui/property_value.h"

// The run-time object of a label: a child window that shows its caption in its own font,
// colours and alignment over a background it paints itself.
class CLabelUnit final : public CChildUnit {
 public:
  // Null when the settings block can't be read or the control can't be made. The control
  // starts hidden.
  static CLabelUnit* Build(const CreateArguments& arguments);

  // number is kind-relative (0 Caption to 20 DataColumnName). Every write ends with a
  // repaint request of the whole label, without erase, even when nothing changed.
  void WriteSetting(std::int32_t number, const PropertyValue& value);
  PropertyValue ReadSetting(std::int32_t number) const;

  // Paints the part of the client area inside updateArea into dc, whose origin is the
  // client area's top-left corner. The paint message paints through here.
  void Paint(HDC dc, const RECT& updateArea);

 private:
  using Entry = MessageEntry<CLabelUnit>;

  CLabelUnit(LabelSettings settings, UnitId windowId, UnitId unitId);
  ~CLabelUnit() override = default;

  LRESULT WindowProcedure(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);
  LRESULT OnDataSourceChanged(WPARAM wParam, LPARAM lParam);
  LRESULT OnBindingQuery(WPARAM wParam, LPARAM lParam);
  LRESULT OnNotification(WPARAM wParam, LPARAM lParam);

  void ApplyFrame();
  void BindDataSource();
  // Shrinks area by the gradient frame of BorderStyle 6 when one is painted.
  void PaintFrame(HDC dc, RECT& area);
  void PaintBackground(HDC dc, const RECT& area, HRGN region);
  bool PaintPicture(HDC dc, const RECT& area, HRGN region);
  void DrawCaption(HDC dc, const RECT& area, const std::string& text);
  std::string WindowText() const;

  static const Entry kMessages[];

  LabelSettings settings_;
  std::optional<DecodedPicture> picture_;
  // Name of the data source the caption follows; empty while unbound.
  std::string boundSource_;
};
