#include "framework/dialog_seam.h"

#include <utility>

namespace framework {

namespace {

DialogAnswerer& Answerer() {
  static DialogAnswerer answerer;
  return answerer;
}

}  // namespace

DialogReply AskUser(const DialogRequest& request) {
  if (Answerer()) return Answerer()(request);
  return ShowSystemDialog(request);
}

void SetDialogAnswerer(DialogAnswerer answerer) { Answerer() = std::move(answerer); }

}  // namespace framework
