#include "ide/about_window_definition.h"

#include "ide/program_dir.h"
#include "ide/service_address.h"

using framework::ControlDefinition;
using framework::ControlKind;

std::string AboutText() {
  return "Tavo C 语言学习环境\r\n"
         "版本 1.0\r\n"
         "\r\n"
         "Tavo 是给初学 C 语言的人用的小编辑器：写好代码按 F5，一键编译并运行，"
         "编译器的提示列在下方，出错的行在代码里标出。\r\n"
         "\r\n"
         "程序和它的文件在：\r\n" +
         ProgramDir() +
         "\r\n"
         "设置 config.ini，配色与字体 default.txt，词库 Syntax，例子 Example，插件 Plugin，"
         "登录信息 login.txt。\r\n"
         "\r\n"
         "网站：" +
         HomePageAddress() + "\r\n";
}

framework::WindowDefinition AboutWindowDefinition() {
  framework::WindowDefinition definition(
      "AboutWindow", "关于", {260, 160, 520, 361},
      {ControlDefinition(ControlKind::EditBox, kAboutTextBox, {16, 24, 216, 288}, AboutText()).MultiLine(),
       ControlDefinition(ControlKind::GroupBox, kPictureGroup, {240, 24, 264, 232}, "捐赠地址"),
       ControlDefinition(ControlKind::PictureBox, kAboutPicture, {18, 20, 229, 200})
           .OnParent(kPictureGroup)
           .WithPicture("Resource/about-picture.png"),
       ControlDefinition(ControlKind::Button, kHomePageButton, {256, 269, 112, 48}, "官网"),
       ControlDefinition(ControlKind::Button, kCheckUpdateButton, {384, 272, 112, 48}, "检查更新")});
  definition.resizable = false;
  return definition;
}
