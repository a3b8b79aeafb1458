#include "editor/scintilla_notifications.h"

#include <Qsci/qsciscintillabase.h>

#include <QApplication>
#include <QEvent>
#include <QUrl>
#include <functional>
#include <utility>

#include "editor/scintilla_notification.h"
#include "platform/window.h"
#include "platform/window_registry.h"

namespace scintilla {
namespace {

using namespace platform;

// Sends the record from the editing window that the widget is now; a widget whose window is
// gone, or that has no parent window, notifies nobody.
void Notify(const QsciScintillaBase* editor, UINT code,
            const std::function<void(SCNotification&)>& fill = {}) {
  const HWND window = FindWindowHandle(editor);
  const WindowRecord* windowRecord = FindWindowRecord(window);
  if (windowRecord == nullptr) return;
  const std::uintptr_t id = windowRecord->id;
  const HWND parent = GetParent(window);
  if (parent == nullptr) return;
  SCNotification record;
  record.nmhdr = {window, id, code};
  if (fill) fill(record);
  SendMessageA(parent, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&record));
}

void ForwardDocumentNotifications(QsciScintillaBase* editor) {
  using Base = QsciScintillaBase;
  QObject::connect(editor, &Base::SCN_STYLENEEDED, editor, [editor](int position) {
    Notify(editor, SCN_STYLENEEDED, [&](SCNotification& n) { n.position = position; });
  });
  QObject::connect(editor, &Base::SCN_CHARADDED, editor, [editor](int ch) {
    Notify(editor, SCN_CHARADDED, [&](SCNotification& n) { n.ch = ch; });
  });
  QObject::connect(editor, &Base::SCN_SAVEPOINTREACHED, editor,
                   [editor] { Notify(editor, SCN_SAVEPOINTREACHED); });
  QObject::connect(editor, &Base::SCN_SAVEPOINTLEFT, editor, [editor] { Notify(editor, SCN_SAVEPOINTLEFT); });
  QObject::connect(editor, &Base::SCN_MODIFYATTEMPTRO, editor,
                   [editor] { Notify(editor, SCN_MODIFYATTEMPTRO); });
  QObject::connect(editor, &Base::SCN_UPDATEUI, editor, [editor](int updated) {
    Notify(editor, SCN_UPDATEUI, [&](SCNotification& n) { n.updated = updated; });
  });
  QObject::connect(
      editor, &Base::SCN_MODIFIED, editor,
      [editor](int position, int modificationType, const char* text, int length, int linesAdded, int line,
               int foldLevelNow, int foldLevelPrev, int token, int annotationLinesAdded) {
        Notify(editor, SCN_MODIFIED, [&](SCNotification& n) {
          n.position = position;
          n.modificationType = modificationType;
          n.text = text;
          n.length = length;
          n.linesAdded = linesAdded;
          n.line = line;
          n.foldLevelNow = foldLevelNow;
          n.foldLevelPrev = foldLevelPrev;
          n.token = token;
          n.annotationLinesAdded = annotationLinesAdded;
        });
      });
  QObject::connect(editor, &Base::SCN_MACRORECORD, editor,
                   [editor](unsigned int message, unsigned long wParam, void* lParam) {
                     Notify(editor, SCN_MACRORECORD, [&](SCNotification& n) {
                       n.message = static_cast<int>(message);
                       n.wParam = wParam;
                       n.lParam = reinterpret_cast<LPARAM>(lParam);
                     });
                   });
  QObject::connect(editor, &Base::SCN_NEEDSHOWN, editor, [editor](int position, int length) {
    Notify(editor, SCN_NEEDSHOWN, [&](SCNotification& n) {
      n.position = position;
      n.length = length;
    });
  });
  QObject::connect(editor, &Base::SCN_PAINTED, editor, [editor] { Notify(editor, SCN_PAINTED); });
  QObject::connect(editor, &Base::SCN_ZOOM, editor, [editor] { Notify(editor, SCN_ZOOM); });
  QObject::connect(editor, &Base::SCN_URIDROPPED, editor, [editor](const QUrl& url) {
    const QByteArray text = url.toString().toUtf8();
    Notify(editor, SCN_URIDROPPED, [&](SCNotification& n) { n.text = text.constData(); });
  });
}

void NotifyDwell(const QsciScintillaBase* editor, UINT code, int position, int x, int y) {
  Notify(editor, code, [&](SCNotification& n) {
    n.position = position;
    n.x = x;
    n.y = y;
  });
}

// On Windows the component ends a dwell when the pointer leaves its window; this one learns of
// no leave, so a call tip shown for the dwell would stay drawn over whatever the pointer moved
// to. Here a dwell ends, as there, when the pointer leaves the editing area, and also when
// another window of the program is shown; a dwell that the component starts once the pointer
// has gone is not reported.
class DwellWatch final : public QObject {
 public:
  explicit DwellWatch(QsciScintillaBase* editor) : QObject(editor), editor_(editor) {
    editor->viewport()->installEventFilter(this);
  }

  void Started(int position, int x, int y) {
    if (!editor_->viewport()->underMouse()) return;
    NotifyDwell(editor_, SCN_DWELLSTART, position, x, y);
    // Only now: the call tip that the start may have shown is a window of its own.
    if (!std::exchange(dwelling_, true)) QCoreApplication::instance()->installEventFilter(this);
  }

  void Ended(int position, int x, int y) {
    Stop();
    NotifyDwell(editor_, SCN_DWELLEND, position, x, y);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (dwelling_ && (IsPointerLeaving(watched, event) || IsOtherWindowShown(watched, event))) Ended(-1, -1, -1);
    return false;
  }

 private:
  bool IsPointerLeaving(const QObject* watched, const QEvent* event) const {
    return watched == editor_->viewport() && event->type() == QEvent::Leave;
  }

  // The component's own windows (the call tip among them) are the editor's children.
  bool IsOtherWindowShown(const QObject* watched, const QEvent* event) const {
    if (event->type() != QEvent::Show || !watched->isWidgetType() || !static_cast<const QWidget*>(watched)->isWindow())
      return false;
    for (const QObject* parent = watched->parent(); parent != nullptr; parent = parent->parent()) {
      if (parent == editor_) return false;
    }
    return true;
  }

  void Stop() {
    if (std::exchange(dwelling_, false)) QCoreApplication::instance()->removeEventFilter(this);
  }

  QsciScintillaBase* editor_;
  bool dwelling_ = false;
};

void ForwardDwellNotifications(QsciScintillaBase* editor) {
  auto* watch = new DwellWatch(editor);
  QObject::connect(editor, &QsciScintillaBase::SCN_DWELLSTART, watch,
                   [watch](int position, int x, int y) { watch->Started(position, x, y); });
  QObject::connect(editor, &QsciScintillaBase::SCN_DWELLEND, watch,
                   [watch](int position, int x, int y) { watch->Ended(position, x, y); });
}

void ForwardPointerNotifications(QsciScintillaBase* editor) {
  using Base = QsciScintillaBase;
  QObject::connect(editor, &Base::SCN_DOUBLECLICK, editor, [editor](int position, int line, int modifiers) {
    Notify(editor, SCN_DOUBLECLICK, [&](SCNotification& n) {
      n.position = position;
      n.modifiers = modifiers;
      n.line = line;
    });
  });
  QObject::connect(editor, &Base::SCN_MARGINCLICK, editor, [editor](int position, int modifiers, int margin) {
    Notify(editor, SCN_MARGINCLICK, [&](SCNotification& n) {
      n.position = position;
      n.modifiers = modifiers;
      n.margin = margin;
    });
  });
  ForwardDwellNotifications(editor);
  const auto positionAndModifiers = [editor](UINT code) {
    return [editor, code](int position, int modifiers) {
      Notify(editor, code, [&](SCNotification& n) {
        n.position = position;
        n.modifiers = modifiers;
      });
    };
  };
  QObject::connect(editor, &Base::SCN_HOTSPOTCLICK, editor, positionAndModifiers(SCN_HOTSPOTCLICK));
  QObject::connect(editor, &Base::SCN_HOTSPOTDOUBLECLICK, editor,
                   positionAndModifiers(SCN_HOTSPOTDOUBLECLICK));
  QObject::connect(editor, &Base::SCN_HOTSPOTRELEASECLICK, editor,
                   positionAndModifiers(SCN_HOTSPOTRELEASECLICK));
  QObject::connect(editor, &Base::SCN_INDICATORCLICK, editor, positionAndModifiers(SCN_INDICATORCLICK));
  QObject::connect(editor, &Base::SCN_INDICATORRELEASE, editor, positionAndModifiers(SCN_INDICATORRELEASE));
}

// Lists and call tips. The component gives the start of the word being completed both as
// position and as lParam.
void ForwardListNotifications(QsciScintillaBase* editor) {
  using Base = QsciScintillaBase;
  QObject::connect(editor, qOverload<const char*, int, int, int, int>(&Base::SCN_USERLISTSELECTION), editor,
                   [editor](const char* text, int listType, int ch, int, int position) {
                     Notify(editor, SCN_USERLISTSELECTION, [&](SCNotification& n) {
                       n.position = position;
                       n.ch = ch;
                       n.text = text;
                       n.wParam = static_cast<WPARAM>(listType);
                       n.lParam = position;
                       n.listType = listType;
                     });
                   });
  QObject::connect(editor, qOverload<const char*, int, int, int>(&Base::SCN_AUTOCSELECTION), editor,
                   [editor](const char* text, int position, int ch, int) {
                     Notify(editor, SCN_AUTOCSELECTION, [&](SCNotification& n) {
                       n.position = position;
                       n.ch = ch;
                       n.text = text;
                       n.lParam = position;
                     });
                   });
  QObject::connect(editor, &Base::SCN_AUTOCCANCELLED, editor,
                   [editor] { Notify(editor, SCN_AUTOCCANCELLED); });
  QObject::connect(editor, &Base::SCN_AUTOCCHARDELETED, editor,
                   [editor] { Notify(editor, SCN_AUTOCCHARDELETED); });
  QObject::connect(editor, &Base::SCN_CALLTIPCLICK, editor, [editor](int direction) {
    Notify(editor, SCN_CALLTIPCLICK, [&](SCNotification& n) { n.position = direction; });
  });
}

}  // namespace

void ForwardScintillaNotifications(QsciScintillaBase* editor) {
  ForwardDocumentNotifications(editor);
  ForwardPointerNotifications(editor);
  ForwardListNotifications(editor);
}

}  // namespace scintilla
