// The real dialogs behind the seam: QMessageBox, QFileDialog, QColorDialog and QFontDialog,
// modal to the program's windows.
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QStringList>

#include "framework/colour.h"
#include "framework/dialog_seam.h"
#include "framework/message_box.h"
#include "platform/code_page.h"

namespace framework {

namespace {

QMessageBox::Icon IconOf(platform::UINT style) {
  switch (style & MB_ICONMASK) {
    case MB_ICONERROR:
      return QMessageBox::Critical;
    case MB_ICONQUESTION:
      return QMessageBox::Question;
    case MB_ICONWARNING:
      return QMessageBox::Warning;
    case MB_ICONINFORMATION:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

QMessageBox::StandardButtons ButtonsOf(platform::UINT style) {
  switch (style & MB_TYPEMASK) {
    case MB_OKCANCEL:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_YESNOCANCEL:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MB_YESNO:
      return QMessageBox::Yes | QMessageBox::No;
    default:
      return QMessageBox::Ok;
  }
}

// Closing a box without a button counts as its Cancel, or No where it has no Cancel, as the
// Windows boxes answer.
int AnswerOf(int button, platform::UINT style) {
  switch (button) {
    case QMessageBox::Ok:
      return IDOK;
    case QMessageBox::Cancel:
      return IDCANCEL;
    case QMessageBox::Yes:
      return IDYES;
    case QMessageBox::No:
      return IDNO;
    default:
      break;
  }
  switch (style & MB_TYPEMASK) {
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
      return IDCANCEL;
    case MB_YESNO:
      return IDNO;
    default:
      return IDOK;
  }
}

int ShowMessageBox(const DialogRequest& request) {
  QMessageBox box(IconOf(request.style), platform::AnsiToQString(request.caption),
                  platform::AnsiToQString(request.text), ButtonsOf(request.style), request.owner);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  return AnswerOf(box.exec(), request.style);
}

// "C文件|*.c|所有文件|*.*" becomes "C文件 (*.c);;所有文件 (*.*)"; several patterns of one pair
// are separated by ";" there and by blanks here.
QString QtFilterOf(const std::string& filter) {
  const QStringList pieces = platform::AnsiToQString(filter).split('|');
  QStringList pairs;
  for (qsizetype i = 0; i + 1 < pieces.size(); i += 2) {
    QString patterns = pieces[i + 1];
    patterns.replace(';', ' ');
    pairs << pieces[i] + " (" + patterns + ")";
  }
  return pairs.join(";;");
}

std::optional<std::string> ShowFileDialog(const DialogRequest& request) {
  const QString folder = request.folder.empty() ? QDir::currentPath() : platform::AnsiToQString(request.folder);
  QFileDialog dialog(request.owner, platform::AnsiToQString(request.caption), folder, QtFilterOf(request.filter));
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.setAcceptMode(request.kind == DialogKind::SaveFile ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);  // no check that the file exists
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setDefaultSuffix(platform::AnsiToQString(request.defaultExtension));
  if (!request.fileName.empty()) dialog.selectFile(platform::AnsiToQString(request.fileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return platform::QStringToAnsi(dialog.selectedFiles().first());
}

std::optional<int> ShowColourDialog(const DialogRequest& request) {
  QColorDialog dialog(QtColourOf(request.colour), request.owner);
  dialog.setWindowModality(Qt::ApplicationModal);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return ColourOf(dialog.selectedColor());
}

FontChoice ShowFontDialog(const DialogRequest& request) {
  QFontDialog dialog(request.owner);
  if (!request.font.faceName.empty()) {
    dialog.setCurrentFont(QFont(platform::AnsiToQString(request.font.faceName), request.font.pointSize));
  }
  dialog.setWindowModality(Qt::ApplicationModal);
  if (dialog.exec() != QDialog::Accepted) return {};
  const QFont chosen = dialog.selectedFont();
  return FontChoice{platform::QStringToAnsi(chosen.family()), chosen.pointSize()};
}

}  // namespace

DialogReply ShowSystemDialog(const DialogRequest& request) {
  DialogReply reply;
  switch (request.kind) {
    case DialogKind::MessageBox:
      reply.button = ShowMessageBox(request);
      break;
    case DialogKind::OpenFile:
    case DialogKind::SaveFile:
      reply.path = ShowFileDialog(request);
      break;
    case DialogKind::Colour:
      reply.colour = ShowColourDialog(request);
      break;
    case DialogKind::Font:
      reply.font = ShowFontDialog(request);
      break;
  }
  return reply;
}

}  // namespace framework
