#include "ui/unit_kinds.h"

#include <algorithm>

#include "lifecycle/window_engine.h"

namespace {

using enum PropertyType;

}  // namespace

UnitKind MakeWindowKind() {
  // Properties 8 to 31: Title, WindowBorder, BackColor, Picture, PictureMode, Music,
  // MusicMode, ControlBox, MaximizeBox, MinimizeBox, StartPosition, Movable, Icon,
  // EnterMovesFocus, EscCloses, F1OpensHelp, HelpFile, HelpContext, ShowInTaskbar,
  // DragAnywhere, Shape, AlwaysOnTop, KeepTitleActive, ClassName.
  return {kWindowKindCode, "window", kKindRaisesEvents,
          {Text, Choice, Colour, Bytes, Choice, Bytes, Choice, Boolean, Boolean, Boolean, Choice, Boolean, Bytes,
           Boolean, Boolean, Boolean, FileName, Integer, Boolean, Boolean, Choice, Boolean, Boolean, Text}};
}

UnitKind MakeLabelKind() {
  // Properties 8 to 28: Caption, TextEffect, BorderStyle, GradientBorderWidth, three
  // GradientBorderColors, Font, TextColor, BackColor, Picture, PictureMode,
  // GradientBackMode, three GradientBackColors, HAlign, WordWrap, VAlign, DataSourceName,
  // DataColumnName.
  return {kLabelKindCode, "Label", kKindRaisesEvents | kKindDragsWindow,
          {Text, Integer, Integer, Integer, Colour, Colour, Colour, Font, Colour, Colour, Bytes, Integer, Integer,
           Colour, Colour, Colour, Integer, Integer, Integer, Text, Text}};
}

UnitKind MakeTimerKind() {
  // Property 8: the period in milliseconds.
  return {kTimerKindCode, "Timer", kKindRaisesEvents | kKindNeverShown, {Integer}};
}

const UnitKind* FindUnitKind(std::uint32_t code) {
  const auto& kinds = Engine().kinds;
  auto found = std::find_if(kinds.begin(), kinds.end(), [code](const UnitKind& kind) { return kind.code == code; });
  return found == kinds.end() ? nullptr : &*found;
}
