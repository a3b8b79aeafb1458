// Hand-written operations that hand pictures to the component: marker pictures and the pictures
// of completion lists. The component takes a QPixmap (for XPM pictures) or a QImage (for RGBA
// pixels) where other builds of it take the raw bytes, and it reads raw bytes as such an object,
// so raw bytes are never sent.
#include <QPixmap>

#include "editor/message_address.h"
#include "editor/sci_editor.h"
#include "editor/scintilla_messages.h"

using namespace scintilla;

int SciEditor::SendXpmImage(platform::UINT message, int number, const ByteSet& image) {
  if (!HasComponent() || image.empty()) return 0;
  QPixmap picture;
  if (!picture.loadFromData(reinterpret_cast<const uchar*>(image.data()), static_cast<uint>(image.size()),
                            "XPM")) {
    return 0;
  }
  return static_cast<int>(SendToEditor(message, number, MessageAddress(&picture)));
}

int SciEditor::MarkerDefinePixmap(int marker, const ByteSet& image) {
  return SendXpmImage(SCI_MARKERDEFINEPIXMAP, marker, image);
}

// The component wants a QImage, whose size the pixels alone do not give: the width and height
// set before stay inside the component. Nothing is sent.
int SciEditor::MarkerDefineRGBAImage(int, const ByteSet&) { return 0; }

int SciEditor::RegisterImage(int type, const ByteSet& image) {
  return SendXpmImage(SCI_REGISTERIMAGE, type, image);
}

// The same message as RegisterImage, so the pixels are taken for an XPM picture.
int SciEditor::RegisterRGBAImage(int type, const ByteSet& image) { return RegisterImage(type, image); }
