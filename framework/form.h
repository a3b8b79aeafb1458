// A loaded window: built from its definition, with its controls found by name and its events
// as handlers the IDE sets. The window's handle is its client area, where the controls and the
// editor live; the frame around it is a QMainWindow whose menu-bar slot is left to SetMenu.
//
// A form belongs to the framework and is freed, its widgets and units with it, once its window
// has been destroyed and the event in which that happened has been handled (Qt's deferred
// deletion). So a pointer to a form is good for the handler at hand only: code that keeps one
// across a wait (a build that dispatches messages) or beyond keeps it in a global held through
// CreateHeld, which is null once the window is destroyed. A window still open when the process
// ends is never freed: destructors run at exit would delete frames after Qt itself has been
// taken down.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/unit.h"
#include "framework/window_definition.h"
#include "platform/win_types.h"

namespace framework {

class Form : private QObject {
 public:
  // Builds the window and its controls, hidden. Null when the definition is not sound: two
  // controls of one name, or a parent that is not an earlier container (or lacks the page).
  static Form* Create(const WindowDefinition& definition);
  // As Create, into the global that names the window while it is open: once the window has
  // been destroyed the global is null again, so it never names a window that is gone.
  static Form* CreateHeld(Form*& global, const WindowDefinition& definition);
  ~Form() override;

  const std::string& Name() const { return name_; }
  platform::HWND Handle() const;
  QWidget* Frame() const;
  QWidget* ClientArea() const;
  int ClientWidth() const;
  int ClientHeight() const;
  std::string Caption() const;
  void SetCaption(const std::string& caption);

  // The unit of that name and kind; null when there is none.
  template <class UnitKind>
  UnitKind* Find(const std::string& name) const {
    return dynamic_cast<UnitKind*>(FindUnit(name));
  }
  Unit* FindUnit(const std::string& name) const;

  // Runs OnCreated, then shows the window and returns at once. With an owner the window stays
  // above it and is destroyed with it.
  void Load(const Form* owner = nullptr);
  // Runs OnCreated, shows the window modal to the program's windows and returns, once it has
  // been destroyed, the result it was closed with.
  int LoadModal(const Form* owner = nullptr);
  // Asks OnQueryClose (no handler lets it close); when it returns 1 the window is destroyed
  // with that result. Returns whether it was destroyed. The frame's close button comes here.
  bool Close(int result = 0);
  // Destroys the windows it owns, then runs OnDestroying, takes the window away and has the form
  // freed.
  void Destroy();
  bool IsDestroyed() const { return destroyed_; }
  // Shows the window in front of the others and gives it the keyboard, restored when it was
  // minimised.
  void BringToFront();

  std::function<void()> OnCreated;
  std::function<void(int width, int height)> OnResized;  // the client area's new size
  std::function<int()> OnQueryClose;
  std::function<void()> OnDestroying;

 private:
  // Keeps the form from being freed while one of its own operations runs a handler: a box the
  // handler opens runs a loop of its own, in which the window may be destroyed.
  class InUse {
   public:
    explicit InUse(Form& form);
    ~InUse();
    InUse(const InUse&) = delete;
    InUse& operator=(const InUse&) = delete;

   private:
    Form& form_;
  };

  explicit Form(const WindowDefinition& definition);
  void FreeOnceUnused();
  bool AddControls(const std::vector<ControlDefinition>& controls);
  QWidget* ParentFor(const ControlDefinition& control) const;
  void Open(const Form* owner);
  void DockBars();
  bool eventFilter(QObject* watched, QEvent* event) override;

  std::string name_;
  // Guarded: an owner's frame is the Qt parent of its owned frames.
  QPointer<QWidget> frame_;
  QPointer<QWidget> client_;  // gone with the frame once the window is destroyed
  std::vector<std::unique_ptr<Unit>> units_;
  const Form* owner_ = nullptr;
  Form** heldBy_ = nullptr;
  bool destroyed_ = false;
  int uses_ = 0;  // operations of its own under way (InUse)
  int result_ = 0;
  std::function<void()> endModal_;
};

}  // namespace framework
