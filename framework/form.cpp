#include "framework/form.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QLayout>
#include <QMainWindow>
#include <algorithm>
#include <set>

#include "framework/message_loop.h"
#include "framework/status_bar.h"
#include "framework/toolbar.h"
#include "framework/unit_factory.h"
#include "platform/code_page.h"
#include "platform/window.h"

namespace framework {

// The list of live windows holds the form from here until Destroy hands it to Qt's deferred
// deletion.
Form* Form::Create(const WindowDefinition& definition) {
  std::unique_ptr<Form> form(new Form(definition));
  if (!form->AddControls(definition.controls)) return nullptr;
  AddLiveWindow(form.get());
  return form.release();
}

Form* Form::CreateHeld(Form*& global, const WindowDefinition& definition) {
  global = Create(definition);
  if (global != nullptr) global->heldBy_ = &global;
  return global;
}

Form::Form(const WindowDefinition& definition) : name_(definition.name), client_(new QWidget) {
  auto* frame = new QMainWindow;
  frame->setCentralWidget(client_);
  frame_ = frame;
  client_->resize(definition.geometry.width, definition.geometry.height);
  const Geometry& geometry = definition.geometry;
  frame_->move(geometry.left, geometry.top);
  frame_->resize(geometry.width, geometry.height);
  if (!definition.resizable) {
    // The client keeps its size; the frame grows around it, by a menu bar too.
    client_->setFixedSize(geometry.width, geometry.height);
    frame_->layout()->setSizeConstraint(QLayout::SetFixedSize);
  }
  SetCaption(definition.caption);
  frame_->installEventFilter(this);
  client_->installEventFilter(this);
}

// The widgets go first, so that none of them reaches a unit that is gone.
Form::~Form() { delete frame_.data(); }

Form::InUse::InUse(Form& form) : form_(form) { ++form_.uses_; }

Form::InUse::~InUse() {
  --form_.uses_;
  form_.FreeOnceUnused();
}

void Form::FreeOnceUnused() {
  if (destroyed_ && uses_ == 0) deleteLater();
}

bool Form::AddControls(const std::vector<ControlDefinition>& controls) {
  std::set<std::string> names;
  for (const ControlDefinition& control : controls) {
    QWidget* parent = ParentFor(control);
    if (parent == nullptr || !names.insert(control.name).second) return false;
    units_.push_back(BuildUnit(control, parent, *this));
  }
  DockBars();
  return true;
}

QWidget* Form::ParentFor(const ControlDefinition& control) const {
  if (control.parent.empty()) return client_;
  const auto* container = dynamic_cast<const WidgetUnit*>(FindUnit(control.parent));
  return container == nullptr ? nullptr : container->ChildArea(control.page);
}

Unit* Form::FindUnit(const std::string& name) const {
  for (const auto& unit : units_) {
    if (unit->Name() == name) return unit.get();
  }
  return nullptr;
}

platform::HWND Form::Handle() const { return client_ ? platform::WindowFromWidget(client_) : nullptr; }

QWidget* Form::Frame() const { return frame_.data(); }

QWidget* Form::ClientArea() const { return client_.data(); }

int Form::ClientWidth() const { return client_->width(); }

int Form::ClientHeight() const { return client_->height(); }

std::string Form::Caption() const { return platform::QStringToAnsi(frame_->windowTitle()); }

void Form::SetCaption(const std::string& caption) { frame_->setWindowTitle(platform::AnsiToQString(caption)); }

// The toolbar keeps to the top and the status bar to the bottom, each across the whole width.
void Form::DockBars() {
  const int width = ClientWidth();
  for (const auto& unit : units_) {
    if (auto* toolbar = dynamic_cast<Toolbar*>(unit.get())) {
      toolbar->SetGeometry({0, 0, width, toolbar->Height()});
    } else if (auto* statusBar = dynamic_cast<StatusBar*>(unit.get())) {
      statusBar->SetGeometry({0, ClientHeight() - statusBar->Height(), width, statusBar->Height()});
    }
  }
}

// Windows that the creation handler loads are shown before this one; they are brought back in
// front of it, as when the window is already on the screen while its handler runs.
void Form::Open(const Form* owner) {
  const InUse inUse(*this);
  owner_ = owner;
  if (owner != nullptr) frame_->setParent(owner->Frame(), Qt::Window);
  const std::vector<Form*> before = LiveWindows();
  if (OnCreated) OnCreated();
  if (destroyed_) return;
  frame_->show();
  for (Form* window : LiveWindows()) {
    if (std::find(before.begin(), before.end(), window) != before.end() || !window->frame_ ||
        !window->frame_->isVisible()) {
      continue;
    }
    window->BringToFront();
  }
}

void Form::BringToFront() {
  if (destroyed_) return;
  frame_->setWindowState(frame_->windowState() & ~Qt::WindowMinimized);
  frame_->show();
  frame_->raise();
  frame_->activateWindow();
}

void Form::Load(const Form* owner) { Open(owner); }

int Form::LoadModal(const Form* owner) {
  const InUse inUse(*this);
  frame_->setWindowModality(Qt::ApplicationModal);
  QEventLoop loop;
  endModal_ = [&loop] { loop.quit(); };
  Open(owner);
  if (!destroyed_) loop.exec();
  endModal_ = nullptr;
  return result_;
}

bool Form::Close(int result) {
  if (destroyed_) return true;
  const InUse inUse(*this);
  if (OnQueryClose && OnQueryClose() != 1) return false;
  result_ = result;
  Destroy();
  return true;
}

void Form::Destroy() {
  if (destroyed_) return;
  destroyed_ = true;
  const std::vector<Form*> windows = LiveWindows();
  for (Form* window : windows) {
    if (window->owner_ == this) window->Destroy();
  }
  if (OnDestroying) OnDestroying();
  frame_->hide();
  if (endModal_) endModal_();
  RemoveLiveWindow(this);
  if (heldBy_ != nullptr && *heldBy_ == this) *heldBy_ = nullptr;
  FreeOnceUnused();
}

bool Form::eventFilter(QObject* watched, QEvent* event) {
  if (watched == frame_.data() && event->type() == QEvent::Close) {
    // The form decides whether it closes; Qt's own close would only hide the frame.
    event->ignore();
    if (!destroyed_) Close();
    return true;
  }
  if (watched == client_ && event->type() == QEvent::Resize) {
    DockBars();
    if (OnResized) OnResized(ClientWidth(), ClientHeight());
  }
  return false;
}

}  // namespace framework
