#include "ide/start_window_definition.h"

using framework::ControlDefinition;
using framework::ControlKind;

framework::WindowDefinition StartWindowDefinition() {
  framework::WindowDefinition definition(
      "StartWindow", "开始", {200, 150, 511, 395},
      {ControlDefinition(ControlKind::PictureBox, kBannerPicture, {5, 5, 495, 88}).WithPicture("Resource/banner.gif"),
       ControlDefinition(ControlKind::GroupBox, kExampleGroup, {6, 98, 252, 232}, "经典例子"),
       ControlDefinition(ControlKind::ListBox, kExampleList, {9, 16, 234, 208}).OnParent(kExampleGroup),
       ControlDefinition(ControlKind::GroupBox, kRecentGroup, {264, 98, 240, 232}, "最近打开"),
       ControlDefinition(ControlKind::ListBox, kRecentList, {8, 16, 224, 176}).OnParent(kRecentGroup),
       ControlDefinition(ControlKind::Label, kNewLabel, {14, 200, 64, 24}, "新建(&O)").OnParent(kRecentGroup),
       ControlDefinition(ControlKind::Label, kOpenLabel, {88, 200, 64, 24}, "打开(&P)..").OnParent(kRecentGroup),
       ControlDefinition(ControlKind::Label, kClearLabel, {169, 200, 55, 24}, "清除..").OnParent(kRecentGroup),
       ControlDefinition(ControlKind::Label, kSloganLabel, {0, 336, 512, 32}, "做最适合C语言入门的IDE")});
  definition.resizable = false;
  return definition;
}
