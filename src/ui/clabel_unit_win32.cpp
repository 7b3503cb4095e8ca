#include "ui/clabel_unit_win32.h"

#include <utility>

#include "lifecycle/event_dispatch.h"
#include "ui/engine_messages.h"
#include "ui/label_background.h"
#include "ui/label_font_win32.h"
#include "ui/label_gradient_win32.h"
#include "ui/label_properties.h"
#include "ui/label_text_format.h"

namespace {

constexpr char kLabelClass[] = "CLabelUnit";
constexpr std::uint32_t kButtonFaceColour = 0xFF000000;

// Keeps the clip region, colours and modes a paint sets from outliving it in the caller's dc.
class SavedDcState {
 public:
  explicit SavedDcState(HDC dc) : dc_(dc), state_(SaveDC(dc)) {}
  SavedDcState(const SavedDcState&) = delete;
  SavedDcState& operator=(const SavedDcState&) = delete;
  ~SavedDcState() { RestoreDC(dc_, state_); }

 private:
  HDC dc_;
  int state_;
};

COLORREF ColourRef(std::uint32_t colour) { return static_cast<COLORREF>(colour); }

}  // namespace

const CLabelUnit::Entry CLabelUnit::kMessages[] = {
    {WM_PAINT, &CLabelUnit::OnPaint},
    {WM_DESTROY, &CLabelUnit::OnDestroy},
    {kDataSourceChanged, &CLabelUnit::OnDataSourceChanged},
    {kBindingQuery, &CLabelUnit::OnBindingQuery},
    {kLabelNotification, &CLabelUnit::OnNotification},
};

CLabelUnit::CLabelUnit(LabelSettings settings, UnitId windowId, UnitId unitId)
    : CChildUnit(windowId, unitId), settings_(std::move(settings)) {}

CLabelUnit* CLabelUnit::Build(const CreateArguments& arguments) {
  std::optional<LabelSettings> settings =
      ReadLabelSettings(arguments.settings, arguments.settingsLength);
  if (!settings) return nullptr;
  if (!EnsureWindowClass(kLabelClass, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, LoadCursorA(nullptr, IDC_ARROW),
                         static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH))))
    return nullptr;
  auto* label = new CLabelUnit(std::move(*settings), arguments.windowId, arguments.unitId);
  if (!label->CreateChild(kLabelClass, label->settings_.caption.c_str(),
                          WS_CHILD | WS_CLIPSIBLINGS | arguments.styleBits, arguments)) {
    delete label;
    return nullptr;
  }
  label->ApplyFrame();
  label->BindDataSource();
  return label;
}

LRESULT CLabelUnit::WindowProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
  return Dispatch<CLabelUnit>(kMessages, message, wParam, lParam);
}

void CLabelUnit::WriteSetting(std::int32_t number, const PropertyValue& value) {
  const LabelWriteEffects effects = ApplyLabelWrite(settings_, number, value);
  if (effects.captionChanged) SetWindowTextA(Handle(), settings_.caption.c_str());
  if (effects.frameChanged) ApplyFrame();
  if (effects.pictureChanged) picture_.reset();
  if (effects.dataSourceChanged) BindDataSource();
  InvalidateRect(Handle(), nullptr, FALSE);
}

PropertyValue CLabelUnit::ReadSetting(std::int32_t number) const { return LabelSettingValue(settings_, number); }

void CLabelUnit::ApplyFrame() {
  const WindowStyle current{static_cast<std::uint32_t>(GetWindowLongA(Handle(), GWL_STYLE)),
                            static_cast<std::uint32_t>(GetWindowLongA(Handle(), GWL_EXSTYLE))};
  const WindowStyle framed = WithLabelFrame(current, settings_.borderStyle);
  SetWindowLongA(Handle(), GWL_STYLE, static_cast<LONG>(framed.style));
  SetWindowLongA(Handle(), GWL_EXSTYLE, static_cast<LONG>(framed.exStyle));
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// The engine holds no data sources, so binding only records which one the caption follows.
void CLabelUnit::BindDataSource() { boundSource_ = settings_.dataSourceName; }

LRESULT CLabelUnit::OnPaint(WPARAM, LPARAM) {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(Handle(), &paint);
  if (dc != nullptr) {
    Paint(dc, paint.rcPaint);
    EndPaint(Handle(), &paint);
  }
  return 0;
}

LRESULT CLabelUnit::OnDestroy(WPARAM, LPARAM) {
  boundSource_.clear();
  return 0;
}

// No data source exists to fetch a caption from: a bound label keeps its caption and an
// unbound one, like every label here, has nothing to do.
LRESULT CLabelUnit::OnDataSourceChanged(WPARAM, LPARAM) { return 0; }

LRESULT CLabelUnit::OnBindingQuery(WPARAM, LPARAM) { return boundSource_.empty() ? 0 : 1; }

LRESULT CLabelUnit::OnNotification(WPARAM wParam, LPARAM lParam) {
  RaiseUnitEvent(OwnerId(), Id(), 0, {static_cast<std::int32_t>(wParam), static_cast<std::int32_t>(lParam)});
  return 0;
}

void CLabelUnit::Paint(HDC dc, const RECT& updateArea) {
  RECT area;
  GetClientRect(Handle(), &area);
  RECT visible;
  if (!IntersectRect(&visible, &updateArea, &area)) return;
  const SavedDcState saved(dc);
  IntersectClipRect(dc, visible.left, visible.top, visible.right, visible.bottom);
  PaintFrame(dc, area);
  IntersectRect(&visible, &updateArea, &area);
  const OwnedRegion region(CreateRectRgnIndirect(&visible));
  SelectClipRgn(dc, region.Get());
  PaintBackground(dc, area, region.Get());
  const std::string text = WindowText();
  if (!text.empty()) DrawCaption(dc, area, text);
}

void CLabelUnit::PaintFrame(HDC dc, RECT& area) {
  if (settings_.borderStyle != 6 || settings_.gradientBorderWidth <= 0) return;
  const std::vector<std::uint32_t> colours = UsableGradientColours(settings_.gradientBorderColors);
  if (PaintGradientFrame(dc, area, settings_.gradientBorderWidth, colours))
    InflateRect(&area, -settings_.gradientBorderWidth, -settings_.gradientBorderWidth);
}

void CLabelUnit::PaintBackground(HDC dc, const RECT& area, HRGN region) {
  if (!PaintPicture(dc, area, region) && settings_.gradientBackMode >= 1 && settings_.gradientBackMode <= 8) {
    const std::vector<std::uint32_t> colours = UsableGradientColours(settings_.gradientBackColors);
    if (PaintGradientFill(dc, area, settings_.gradientBackMode, colours)) SetRectRgn(region, 0, 0, 0, 0);
  }
  const COLORREF back =
      settings_.backColor == kButtonFaceColour ? GetSysColor(COLOR_BTNFACE) : ColourRef(settings_.backColor);
  const OwnedBrush brush(CreateSolidBrush(back));
  FillRgn(dc, region, brush.Get());
}

// False when there is no picture to draw, after dropping one that can't be decoded.
bool CLabelUnit::PaintPicture(HDC dc, const RECT& area, HRGN region) {
  if (settings_.picture.empty()) return false;
  if (!picture_) picture_ = DecodePicture(settings_.picture);
  if (!picture_) {
    settings_.picture.clear();
    return false;
  }
  DrawPicture(dc, *picture_, settings_.pictureMode, area, region);
  return true;
}

void CLabelUnit::DrawCaption(HDC dc, const RECT& area, const std::string& text) {
  const OwnedFont made = MakeLabelFont(settings_.font);
  const SelectedObject font(dc, made ? static_cast<HGDIOBJ>(made.Get()) : GetStockObject(DEFAULT_GUI_FONT));
  const UINT flags = LabelTextFlags(settings_);
  SetBkMode(dc, TRANSPARENT);
  for (const TextPass& pass : LabelTextPasses(settings_.textEffect, settings_.textColor)) {
    RECT moved = area;
    OffsetRect(&moved, pass.dx, pass.dy);
    SetTextColor(dc, ColourRef(pass.colour));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &moved, flags);
  }
}

std::string CLabelUnit::WindowText() const {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(Handle())) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(Handle(), text.data(), static_cast<int>(text.size()))));
  return text;
}
