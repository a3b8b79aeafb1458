#include "framework/common_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <utility>

#include "framework/form.h"
#include "framework/message_box.h"
#include "platform/code_page.h"
#include "platform/file_system.h"

namespace framework {

CommonDialog::CommonDialog(const ControlDefinition& definition, const Form& window)
    : Unit(definition.name),
      window_(window),
      title_(definition.caption),
      filter_(definition.fileDialog.filter),
      defaultExtension_(definition.fileDialog.defaultExtension) {
  if (definition.fontDialog) kind_ = Font;
}

bool CommonDialog::Show() { return kind_ == Font ? ShowFontDialog() : ShowFileDialog(); }

bool CommonDialog::ShowFileDialog() {
  DialogRequest request;
  request.kind = kind_ == Save ? DialogKind::SaveFile : DialogKind::OpenFile;
  request.caption = title_;
  request.filter = filter_;
  request.fileName = fileName_;
  request.defaultExtension = defaultExtension_;
  request.owner = window_.Frame();
  const DialogReply reply = AskUser(request);
  std::optional<std::string> path = reply.path;
  if (reply.nativePath) {
    path = platform::PathFromNative(*reply.nativePath);
    if (!path) {
      ShowPathCannotBeUsed(*reply.nativePath);
      return false;
    }
  }
  if (!path || path->empty()) return false;
  fileName_ = *path;
  QDir::setCurrent(QFileInfo(platform::AnsiToQString(fileName_)).absolutePath());
  return true;
}

bool CommonDialog::ShowFontDialog() {
  DialogRequest request;
  request.kind = DialogKind::Font;
  request.caption = title_;
  request.font = font_;
  request.owner = window_.Frame();
  FontChoice chosen = AskUser(request).font;
  if (chosen.faceName.empty()) return false;
  font_ = std::move(chosen);
  return true;
}

}  // namespace framework
