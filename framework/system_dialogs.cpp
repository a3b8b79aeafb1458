// The real dialogs behind the seam: QMessageBox, QFileDialog, QColorDialog and QFontDialog,
// modal to the program's windows.
#include <QAbstractButton>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QSpacerItem>
#include <QStringList>
#include <utility>

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

// A box with only Yes and No answers by a button or not at all: Escape and the window's close
// button would count as No, and a question about unsaved text answered by accident loses it.
// Every other box closes as its Cancel (or OK, where it has only that).
class MessageBoxWindow : public QMessageBox {
 public:
  MessageBoxWindow(const DialogRequest& request, const QString& text)
      : QMessageBox(IconOf(request.style), platform::AnsiToQString(request.caption), text, ButtonsOf(request.style),
                    request.owner),
        answersOnlyByButton_((request.style & MB_TYPEMASK) == MB_YESNO) {
    setTextFormat(Qt::PlainText);
    setWindowModality(Qt::ApplicationModal);
    // The interface is Chinese whatever the system's language.
    for (const auto& [button, caption] : {std::pair{Ok, "确定"}, {Cancel, "取消"}, {Yes, "是"}, {No, "否"}}) {
      if (QAbstractButton* shown = this->button(button)) shown->setText(platform::AnsiToQString(caption));
    }
    KeepRoomForTheCaption();
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (answersOnlyByButton_ && event->matches(QKeySequence::Cancel)) return;
    QMessageBox::keyPressEvent(event);
  }
  void closeEvent(QCloseEvent* event) override {
    if (answersOnlyByButton_ && clickedButton() == nullptr) {
      event->ignore();
      return;
    }
    QMessageBox::closeEvent(event);
  }

 private:
  // A box as narrow as a short text would leave the window manager no room for the caption,
  // which it then cuts to "…" or leaves out. QMessageBox sizes itself from its layout, so the
  // room is a row of the layout's own.
  void KeepRoomForTheCaption() {
    auto* grid = qobject_cast<QGridLayout*>(layout());
    if (grid == nullptr) return;
    QFont titleFont = font();
    titleFont.setBold(true);
    const QFontMetrics title(titleFont);
    // The window manager's icon, buttons and margins take about ten lines' height.
    const int width = title.horizontalAdvance(windowTitle()) + 10 * title.height();
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
  }

  bool answersOnlyByButton_;
};

// Closing a box without a button counts as its Cancel, or OK where it has no Cancel, as the
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
    default:
      return IDOK;
  }
}

int ShowMessageBox(const DialogRequest& request) {
  QString text = platform::AnsiToQString(request.text);
  if (!request.nativePath.empty()) text += '\n' + QFile::decodeName(QByteArray::fromStdString(request.nativePath));
  MessageBoxWindow box(request, text);
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

// The chosen path as the file system spells it: the code page may lack some of its characters.
std::optional<std::string> ShowFileDialog(const DialogRequest& request) {
  QFileDialog dialog(request.owner, platform::AnsiToQString(request.caption), QDir::currentPath(),
                     QtFilterOf(request.filter));
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.setAcceptMode(request.kind == DialogKind::SaveFile ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);  // no check that the file exists
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setDefaultSuffix(platform::AnsiToQString(request.defaultExtension));
  // Qt's own dialog, so that its labels read in Chinese like the rest of the interface.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  const bool saves = request.kind == DialogKind::SaveFile;
  for (const auto& [label, caption] : {std::pair{QFileDialog::LookIn, "查找范围："},
                                       {QFileDialog::FileName, "文件名："},
                                       {QFileDialog::FileType, "文件类型："},
                                       {QFileDialog::Accept, saves ? "保存" : "打开"},
                                       {QFileDialog::Reject, "取消"}}) {
    dialog.setLabelText(label, platform::AnsiToQString(caption));
  }
  if (!request.fileName.empty()) dialog.selectFile(platform::AnsiToQString(request.fileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
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
      reply.nativePath = ShowFileDialog(request);
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
