#pragma once

#include <cstdint>

#include "ui/label_settings.h"
#include "ui/property_value.h"

// The label's own settings by kind-relative number (property number minus 8).
namespace label_property {
inline constexpr std::int32_t kCaption = 0;
inline constexpr std::int32_t kTextEffect = 1;
inline constexpr std::int32_t kBorderStyle = 2;
inline constexpr std::int32_t kGradientBorderWidth = 3;
inline constexpr std::int32_t kGradientBorderColors = 4;  // 4 to 6
inline constexpr std::int32_t kFont = 7;
inline constexpr std::int32_t kTextColor = 8;
inline constexpr std::int32_t kBackColor = 9;
inline constexpr std::int32_t kPicture = 10;
inline constexpr std::int32_t kPictureMode = 11;
inline constexpr std::int32_t kGradientBackMode = 12;
inline constexpr std::int32_t kGradientBackColors = 13;  // 13 to 15
inline constexpr std::int32_t kHAlign = 16;
inline constexpr std::int32_t kWordWrap = 17;
inline constexpr std::int32_t kVAlign = 18;
inline constexpr std::int32_t kDataSourceName = 19;
inline constexpr std::int32_t kDataColumnName = 20;
inline constexpr std::int32_t kCount = 21;
}  // namespace label_property

// What the control must do after a write besides the repaint that every write ends with.
struct LabelWriteEffects {
  bool captionChanged = false;     // the caption differs: set the window text to it
  bool frameChanged = false;       // apply the frame of BorderStyle anew
  bool pictureChanged = false;     // drop the decoded picture
  bool dataSourceChanged = false;  // bind anew and fetch the caption again
};

// Stores one written value with the setting's clamps; texts and bytes are copied (null is
// empty). A number outside the label's settings changes nothing.
LabelWriteEffects ApplyLabelWrite(LabelSettings& settings, std::int32_t number, const PropertyValue& value);

// The stored value; texts and bytes point into the settings and live as long as they do.
PropertyValue LabelSettingValue(const LabelSettings& settings, std::int32_t number);
