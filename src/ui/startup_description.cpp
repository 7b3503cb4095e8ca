#include "ui/startup_description.h"

#include <string>

#include "ui/font_record.h"
#include "ui/label_settings.h"
#include "ui/mouse_pointer.h"
#include "ui/unit_kind.h"
#include "ui/window_settings.h"

namespace {

constexpr std::uint32_t kGrey = 0x00808080;
constexpr std::int32_t kDoubleClicked = -3;
constexpr std::int32_t kCreated = 0;
constexpr std::int32_t kPeriodic = 0;

std::vector<std::uint8_t> StartupWindowSettings() {
  WindowSettings settings;
  settings.windowBorder = 0;
  settings.backColor = kGrey;
  settings.controlBox = false;
  settings.escCloses = false;
  settings.dragAnywhere = true;
  return WriteWindowSettings(settings);
}

struct LabelLook {
  const char* caption;
  const char* face;
  std::int32_t height;
  std::int32_t weight;
  std::uint8_t italic;
  std::uint8_t pitchAndFamily;
  std::int32_t hAlign;
};

// The stored character set, precisions and quality are those the labels were saved with;
// they are replaced whenever a font is made.
std::vector<std::uint8_t> LabelFont(const LabelLook& look) {
  FontRecord font;
  font.height = look.height;
  font.weight = look.weight;
  font.italic = look.italic;
  font.charSet = 134;
  font.outPrecision = 3;
  font.clipPrecision = 2;
  font.quality = 1;
  font.pitchAndFamily = look.pitchAndFamily;
  font.face = look.face;
  return WriteFontRecord(font);
}

std::vector<std::uint8_t> StartupLabelSettings(const LabelLook& look) {
  LabelSettings settings;
  settings.caption = look.caption;
  settings.font = LabelFont(look);
  settings.backColor = kGrey;
  settings.hAlign = look.hAlign;
  return WriteLabelSettings(settings);
}

struct Place {
  std::int32_t left, top, width, height;
};

StoredUnit MakeUnit(UnitId id, std::uint32_t kind, const char* name, Place place, std::uint32_t mousePointer,
                    std::vector<StoredBinding> bindings, std::vector<std::uint8_t> settings) {
  StoredUnit unit;
  UnitRecord& record = unit.record;
  record.id = id;
  record.kind = kind;
  record.name = name;
  record.left = place.left;
  record.top = place.top;
  record.width = place.width;
  record.height = place.height;
  record.mousePointer = MousePointerBlock(mousePointer);
  record.visible = true;
  record.settings = std::move(settings);
  unit.bindings = std::move(bindings);
  return unit;
}

StoredUnit MakeLabel(UnitId id, const char* name, Place place, std::int32_t closeReference, const LabelLook& look) {
  return MakeUnit(id, kLabelKindCode, name, place, kSizeAllCursor, {{kDoubleClicked, closeReference}},
                  StartupLabelSettings(look));
}

StoredUnit MakeTimer() {
  StoredUnit timer = MakeUnit(kTimer1Id, kTimerKindCode, "时钟1", {400, 16, 26, 26}, 0,
                              {{kPeriodic, kRefreshTickReference}}, {});
  timer.record.visible = false;
  return timer;
}

}  // namespace

std::vector<StoredWindow> StartupDescription() {
  const char* const smallFace = "微软雅黑";
  return {{kStartupWindowId,
           {
               MakeUnit(kStartupWindowUnitId, kWindowKindCode, "", {50, 50, 350, 82}, kSizeAllCursor,
                        {{kCreated, kWindowReadyReference}, {kDoubleClicked, kWindowCloseReference}},
                        StartupWindowSettings()),
               MakeLabel(kLabel4Id, "标签4", {129, 62, 72, 16}, kLabel4CloseReference,
                         {"↑已开机时间↑", smallFace, -12, 700, 0, 0x22, 0}),
               MakeLabel(kLabel3Id, "标签3", {257, 62, 86, 16}, kLabel3CloseReference,
                         {"双击任意处关闭", smallFace, -12, 400, 255, 0x22, 0}),
               MakeLabel(kLabel2Id, "标签2", {5, 64, 62, 16}, kLabel2CloseReference,
                         {"BY:Quorix", smallFace, -12, 400, 255, 0x22, 0}),
               MakeLabel(kLabel1Id, "标签1", {3, 8, 344, 48}, kLabel1CloseReference,
                         {"", "方正准圆_GBK", -37, 700, 0, 0x41, 1}),
               MakeTimer(),
           }}};
}

const std::vector<std::uint8_t>& StartupDescriptionBlock() {
  static const std::vector<std::uint8_t> block = WriteDescriptionBlock(StartupDescription());
  return block;
}
