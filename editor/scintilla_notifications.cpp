#include "editor/scintilla_notifications.h"

#include <Qsci/qsciscintillabase.h>

#include <QUrl>
#include <functional>

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
  const auto positionAndPoint = [editor](UINT code) {
    return [editor, code](int position, int x, int y) {
      Notify(editor, code, [&](SCNotification& n) {
        n.position = position;
        n.x = x;
        n.y = y;
      });
    };
  };
  QObject::connect(editor, &Base::SCN_DWELLSTART, editor, positionAndPoint(SCN_DWELLSTART));
  QObject::connect(editor, &Base::SCN_DWELLEND, editor, positionAndPoint(SCN_DWELLEND));
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
