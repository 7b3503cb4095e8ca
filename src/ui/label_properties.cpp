#include "ui/label_properties.h"

#include <algorithm>
#include <cstddef>
#include <utility>

using namespace label_property;

namespace {

std::string TextOf(const PropertyValue& value) { return value.text == nullptr ? std::string() : value.text; }

std::vector<std::uint8_t> BytesOf(const PropertyValue& value) {
  if (value.bytes == nullptr || value.length <= 0) return {};
  return {value.bytes, value.bytes + value.length};
}

std::uint32_t ColourOf(const PropertyValue& value) { return static_cast<std::uint32_t>(value.integer); }

std::int32_t Clamped(const PropertyValue& value, std::int32_t low, std::int32_t high) {
  return std::clamp(value.integer, low, high);
}

// Colour slots 4 to 6, 8, 9 and 13 to 15; null for any other number.
template <class Settings>
auto ColourSlot(Settings& settings, std::int32_t number) -> decltype(&settings.textColor) {
  if (number >= kGradientBorderColors && number < kGradientBorderColors + 3)
    return &settings.gradientBorderColors[static_cast<std::size_t>(number - kGradientBorderColors)];
  if (number >= kGradientBackColors && number < kGradientBackColors + 3)
    return &settings.gradientBackColors[static_cast<std::size_t>(number - kGradientBackColors)];
  if (number == kTextColor) return &settings.textColor;
  if (number == kBackColor) return &settings.backColor;
  return nullptr;
}

PropertyValue Integer(std::int32_t value) { return {.integer = value}; }
PropertyValue Text(const std::string& text) { return {.text = text.c_str()}; }
PropertyValue Bytes(const std::vector<std::uint8_t>& bytes) {
  return {.bytes = bytes.data(), .length = static_cast<std::int32_t>(bytes.size())};
}

}  // namespace

LabelWriteEffects ApplyLabelWrite(LabelSettings& settings, std::int32_t number, const PropertyValue& value) {
  if (std::uint32_t* colour = ColourSlot(settings, number)) {
    *colour = ColourOf(value);
    return {};
  }
  switch (number) {
    case kCaption: {
      // The big label gets the same text four times in five; its window text need not be
      // set again then (each setting is a round trip to the window system).
      std::string caption = TextOf(value);
      const bool changed = caption != settings.caption;
      settings.caption = std::move(caption);
      return {.captionChanged = changed};
    }
    case kTextEffect: settings.textEffect = Clamped(value, 0, 3); return {};
    case kBorderStyle: settings.borderStyle = Clamped(value, 0, 6); return {.frameChanged = true};
    case kGradientBorderWidth: settings.gradientBorderWidth = std::max(value.integer, 5); return {};
    case kFont: settings.font = BytesOf(value); return {};
    case kPicture: settings.picture = BytesOf(value); return {.pictureChanged = true};
    case kPictureMode: settings.pictureMode = Clamped(value, 0, 2); return {};
    case kGradientBackMode: settings.gradientBackMode = Clamped(value, 0, 8); return {};
    case kHAlign: settings.hAlign = Clamped(value, 0, 2); return {};
    case kWordWrap: settings.wordWrap = value.integer; return {};
    case kVAlign: settings.vAlign = Clamped(value, 0, 2); return {};
    case kDataSourceName: settings.dataSourceName = TextOf(value); return {.dataSourceChanged = true};
    case kDataColumnName: settings.dataColumnName = TextOf(value); return {.dataSourceChanged = true};
    default: return {};
  }
}

PropertyValue LabelSettingValue(const LabelSettings& settings, std::int32_t number) {
  if (const std::uint32_t* colour = ColourSlot(settings, number)) return Integer(static_cast<std::int32_t>(*colour));
  switch (number) {
    case kCaption: return Text(settings.caption);
    case kTextEffect: return Integer(settings.textEffect);
    case kBorderStyle: return Integer(settings.borderStyle);
    case kGradientBorderWidth: return Integer(settings.gradientBorderWidth);
    case kFont: return Bytes(settings.font);
    case kPicture: return Bytes(settings.picture);
    case kPictureMode: return Integer(settings.pictureMode);
    case kGradientBackMode: return Integer(settings.gradientBackMode);
    case kHAlign: return Integer(settings.hAlign);
    case kWordWrap: return Integer(settings.wordWrap);
    case kVAlign: return Integer(settings.vAlign);
    case kDataSourceName: return Text(settings.dataSourceName);
    case kDataColumnName: return Text(settings.dataColumnName);
    default: return {};
  }
}
