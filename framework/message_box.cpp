#include "framework/message_box.h"

#include "framework/dialog_seam.h"
#include "framework/form.h"

namespace framework {

const char* const kDefaultMessageCaption = "信息：";

int MessageBox(const std::string& text, const std::string& caption, platform::UINT style, const Form* owner) {
  DialogRequest request;
  request.kind = DialogKind::MessageBox;
  request.text = text;
  request.caption = caption.empty() ? kDefaultMessageCaption : caption;
  request.style = style;
  request.owner = owner == nullptr ? nullptr : owner->Frame();
  return AskUser(request).button;
}

void ShowPathMessage(const std::string& text, const std::string& nativePath) {
  DialogRequest request;
  request.kind = DialogKind::MessageBox;
  request.text = text;
  request.nativePath = nativePath;
  request.caption = kDefaultMessageCaption;
  request.style = MB_ICONERROR;
  AskUser(request);
}

void ShowPathCannotBeUsed(const std::string& nativePath) {
  ShowPathMessage("路径中有系统编码无法表示的字符，不能打开或保存这个文件：", nativePath);
}

}  // namespace framework
