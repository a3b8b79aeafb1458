#include "ide/login_window_definition.h"

using framework::ControlDefinition;
using framework::ControlKind;

namespace {

constexpr const char* kPlease = "登录与注册方便统计，谢谢大家了";

}  // namespace

framework::WindowDefinition LoginWindowDefinition() {
  framework::WindowDefinition definition(
      "LoginWindow", "登录", {300, 200, 355, 255},
      {ControlDefinition(ControlKind::EditBox, kUserNameBox, {104, 56, 136, 24}),
       ControlDefinition(ControlKind::EditBox, kPasswordBox, {104, 112, 136, 24}).Password(),
       ControlDefinition(ControlKind::Button, kRegisterButton, {248, 56, 80, 24}, "注册"),
       ControlDefinition(ControlKind::Button, kSignInButton, {248, 112, 80, 24}, "登录"),
       // Both reach past the window's left edge: their texts stand in the middle.
       ControlDefinition(ControlKind::Label, kPleaseLabel, {-8, 200, 384, 32}, kPlease).Centred(),
       ControlDefinition(ControlKind::Label, kThanksLabel, {-8, 56, 384, 96}, kPlease).Centred().Hidden()});
  definition.resizable = false;
  return definition;
}
