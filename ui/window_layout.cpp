#include "ui/window_layout.h"

#include "ui/site_settings.h"

namespace tessaly {
namespace {

std::string join(std::string_view a, std::string_view b) {
  std::string text(a);
  text += b;
  return text;
}

}  // namespace

std::string mainWindowCaption() {
  return join(" Tessaly QQ：", kAuthorContactNumber);
}

std::string initialUsageText() {
  std::string text = "\r\n";
  text += "本工具是为了方便在论坛发表炫彩的字体而设计希望大家喜欢";
  text += std::string(19, ' ') + "\r\n";
  text += "\r\n";
  text += join("QQ：", kAuthorContactNumber) + std::string(4, ' ') + "\r\n";
  text += "\r\n";
  text += join("官方网址：", kAuthorSiteAddress) + std::string(56, ' ');
  return text;
}

const std::array<ControlSpec, kControlCount>& mainWindowControls() {
  using enum Control;
  using K = ControlKind;
  static const std::array<ControlSpec, kControlCount> controls = {{
      {超级链接框2, K::HyperlinkLabel, 分组框1, 216, 88, 168, 16,
       join("友情合作：", kPartnerSiteHost), false},
      {透明标签1, K::TransparentLabel, 分组框1, 256, 24, 128, 40,
       "生成字体以后点击复制然后贴在论坛即可方便实用", false},
      {超级链接框1, K::HyperlinkLabel, 分组框1, 24, 88, 136, 16,
       join("官方网站：", kAuthorSiteHost), false},
      {按钮2, K::PushButton, 分组框1, 136, 56, 64, 23, "复制代码", true},
      {选择框_预览, K::CheckBox, 分组框1, 208, 29, 48, 24, "预览", true},
      {按钮1, K::PushButton, 分组框1, 136, 24, 64, 23, "生成字体", true},
      {外形框1, K::ShapeBox, 分组框1, 8, 24, 109, 51, "", false},
      {标签2, K::Label, 外形框1, 1, 24, 62, 26, "末尾颜色：", false},
      {标签1, K::Label, 外形框1, 1, 1, 62, 26, "起始颜色：", false},
      {颜色选择器_末尾颜色, K::ColourPicker, 外形框1, 64, 24, 44, 26, "", true},
      {颜色选择器_起始颜色, K::ColourPicker, 外形框1, 64, 1, 44, 26, "", true},
      {分组框1, K::GroupBox, std::nullopt, 8, 232, 392, 112, "", false},
      {超级编辑框1, K::RichTextBox, std::nullopt, 7, 8, 392, 216, "", true},
      {超级编辑框2, K::RichTextBox, std::nullopt, 7, 8, 392, 216, "", true},
  }};
  return controls;
}

}  // namespace tessaly
