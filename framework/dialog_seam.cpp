#include "framework/dialog_seam.h"

#include <QApplication>
#include <utility>

namespace framework {

namespace {

DialogAnswerer& Answerer() {
  static DialogAnswerer answerer;
  return answerer;
}

int OpenRequests = 0;

// Counts the request as open while it is asked, whichever way it returns.
class OpenRequest {
 public:
  OpenRequest() { ++OpenRequests; }
  ~OpenRequest() { --OpenRequests; }
  OpenRequest(const OpenRequest&) = delete;
  OpenRequest& operator=(const OpenRequest&) = delete;
};

}  // namespace

DialogReply AskUser(const DialogRequest& request) {
  const OpenRequest open;
  if (Answerer()) return Answerer()(request);
  return ShowSystemDialog(request);
}

bool ModalWindowIsOpen() { return OpenRequests > 0 || QApplication::activeModalWidget() != nullptr; }

void SetDialogAnswerer(DialogAnswerer answerer) { Answerer() = std::move(answerer); }

}  // namespace framework
