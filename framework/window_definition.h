// The records a window definition is made of: the window itself and a table of its controls,
// each with its kind, name, caption, geometry and parent, plus the few settings its kind needs.
// Texts are 8-bit code-page texts. The IDE writes one table per window; Form builds it.
// Records are made through constructors and With... setters, which keep a table readable and
// leave every setting a kind does not use at its default.
#pragma once

#include <string>
#include <vector>

namespace framework {

enum class ControlKind {
  Toolbar,      // docked at the top of the client area, full width
  StatusBar,    // docked at the bottom of the client area, full width
  PageControl,  // pages with captions, each a parent for controls
  ListView,     // report view: columns and rows
  Label,
  PictureBox,    // a PNG picture, or an animated GIF that loops
  GroupBox,      // a captioned frame, a parent for controls
  ListBox,       // rows of text in the order added
  CommonDialog,  // not shown: the open and save dialogs, or the font dialog
  DropTarget,    // not shown: receives dropped files and text once registered on a window
  Button,        // a push button with its caption
  EditBox,       // the caption is the first text; one line unless MultiLine, or a Password box
  CheckBox,      // a captioned check mark
  ComboBox,      // a drop-down list of items
  TabControl,    // as PageControl: tabs with captions over pages
  ColourPicker,  // shows a colour and opens the colour dialog
};

// Left, top, width and height in pixels, relative to the parent (the window's client area,
// the page control whose page holds the control, or the group box, its caption included).
struct Geometry {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct ToolbarButtonDefinition {
  static ToolbarButtonDefinition Button(int image, std::string toolTip, bool checked = false);
  static ToolbarButtonDefinition Separator();

  int image = -1;  // index into the toolbar's image list; -1 for none
  std::string toolTip;
  bool separator = false;
  bool checked = false;
};

struct StatusPartDefinition {
  std::string text;
  int width = -1;  // pixels; -1 stretches the part over the rest of the bar
};

struct ListViewColumnDefinition {
  std::string caption;
  int width = 0;
};

struct FileDialogDefinition {
  std::string filter;            // label and pattern pairs: "C文件|*.c|所有文件|*.*"
  std::string defaultExtension;  // without the dot; added to a typed name that has none
};

struct ControlDefinition {
  ControlDefinition(ControlKind kind, std::string name, Geometry geometry = {}, std::string caption = {});

  ControlDefinition& OnParent(std::string parentName, int parentPage = 0);
  ControlDefinition& Hidden();
  ControlDefinition& WithImages(std::vector<std::string> files);
  ControlDefinition& WithButtons(std::vector<ToolbarButtonDefinition> toolbarButtons);
  ControlDefinition& WithParts(std::vector<StatusPartDefinition> statusParts);
  ControlDefinition& WithPages(std::vector<std::string> pageCaptions);
  ControlDefinition& WithColumns(std::vector<ListViewColumnDefinition> listColumns);
  ControlDefinition& WithFileDialog(FileDialogDefinition settings);
  ControlDefinition& WithPicture(std::string file);
  // A label's text in the middle of the label, across and down.
  ControlDefinition& Centred();
  ControlDefinition& MultiLine();
  ControlDefinition& Password();
  ControlDefinition& WithItems(std::vector<std::string> comboItems);
  // A common dialog of the font kind, not the open and save kind.
  ControlDefinition& ForFonts();

  ControlKind kind;
  std::string name;
  std::string caption;  // a label's or button's text; a group box's caption; a common dialog's title;
                        // an edit box's first text
  Geometry geometry;
  std::string parent;  // name of an earlier control of the table; empty for the window
  int page = 0;        // the page, counted from 0, when the parent is a page control
  bool visible = true;
  // Picture files of the image list (toolbar, list view); a relative path is taken from the
  // program file's directory. A file that cannot be read leaves its index without a picture.
  std::vector<std::string> images;
  std::vector<ToolbarButtonDefinition> buttons;
  std::vector<StatusPartDefinition> parts;
  std::vector<std::string> pages;  // page captions
  std::vector<ListViewColumnDefinition> columns;
  FileDialogDefinition fileDialog;
  // A picture box's PNG or GIF file; a relative path is taken from the program file's directory.
  std::string picture;
  bool centred = false;
  // Edit boxes: several lines, or one line shown as "*".
  bool multiLine = false;
  bool password = false;
  std::vector<std::string> items;  // a combo box's items
  bool fontDialog = false;
};

struct WindowDefinition {
  WindowDefinition(std::string name, std::string caption, Geometry geometry, std::vector<ControlDefinition> controls);

  std::string name;
  std::string caption;
  // Position of the window on the screen and the size of its client area.
  Geometry geometry;
  bool resizable = true;
  std::vector<ControlDefinition> controls;
};

}  // namespace framework
