#include "ide/plugin_manager_window.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QTest>
#include <QTreeView>
#include <optional>
#include <string>
#include <vector>

#include "framework/button.h"
#include "framework/list_view.h"
#include "ide/plugin_manager_window_definition.h"
#include "ide/service_address.h"
#include "platform/menu.h"
#include "platform/shell_execute.h"
#include "program_fixture.h"

namespace {

constexpr platform::UINT kConfigureItem = 1;
constexpr platform::UINT kDeleteItem = 2;

class PluginManagerWindowTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    ASSERT_EQ(mkdir(ProgramPath("Plugin").c_str(), 0755), 0);
    AddSample("default", "sample.so");
    AddSample("no_show", "quiet.so");
  }
  void TearDown() override {
    platform::SetPopupMenuAnswer({});
    platform::SetDesktopOpener({});
    ProgramTest::TearDown();
  }

  void AddSample(const std::string& kind, const std::string& name) {
    const std::string sample = std::string(TAVO_SAMPLE_PLUGINS) + "/" + kind + ".so";
    ASSERT_TRUE(platform::WriteWholeFile(ProgramPath("Plugin/" + name), *platform::ReadWholeFile(sample)));
  }

  static framework::ListView* List() { return PluginManagerWindow->Find<framework::ListView>(kPluginList); }

  // Each row as its cells from the name to the file.
  static std::vector<std::vector<std::string>> ListedRows() {
    std::vector<std::vector<std::string>> rows;
    for (int row = 0; row < List()->RowCount(); ++row) {
      rows.emplace_back();
      for (int column = PluginColumnName; column <= PluginColumnDll; ++column) rows.back().push_back(List()->Cell(row, column));
    }
    return rows;
  }

  // A right click on the row, answering the popup with that item; false when no popup came.
  static bool RightClickRow(int row, std::optional<platform::UINT> item) {
    bool shown = false;
    platform::SetPopupMenuAnswer([&](platform::HMENU) {
      shown = true;
      return item;
    });
    auto* tree = static_cast<QTreeView*>(List()->Widget());
    const QPoint at = row < 0 ? QPoint(5, tree->viewport()->height() - 5)
                              : tree->visualRect(tree->model()->index(row, 0)).center();
    if (row < 0) tree->clearSelection(), tree->setCurrentIndex(QModelIndex());
    QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, at);
    return shown;
  }

  static int RowOf(const std::string& file) {
    for (int row = 0; row < List()->RowCount(); ++row) {
      if (List()->Cell(row, PluginColumnDll) == file) return row;
    }
    return -1;
  }
};

using RowCells = std::vector<std::vector<std::string>>;

// A file the loader refuses gets a row with the loader's reason, so that it can be seen and
// deleted; a library that loads without PluginIn is no plug-in and gets none.
TEST_F(PluginManagerWindowTest, ListsEveryPluginThatTellsWhoItIsAndEveryFileThatCannotBeLoaded) {
  for (const char* kind : {"no_plugin_in", "five_fields", "empty_menu", "long_info", "null_info", "needs_library"}) {
    AddSample(kind, std::string(kind) + ".so");
  }
  WriteProgramFile("Plugin/text.so", "not a shared object\n");
  ASSERT_EQ(mkdir(PathOf("Plugin").c_str(), 0755), 0);
  WriteBaseFile("Plugin/base.so", *platform::ReadWholeFile(ProgramPath("Plugin/sample.so")));
  // Copied only in part, where the start looks for menu entries and where the manager looks.
  const std::string cutOff = platform::ReadWholeFile(ProgramPath("Plugin/sample.so"))->substr(0, 2000);
  WriteBaseFile("Plugin/cut.so", cutOff);
  WriteProgramFile("Plugin/cut.so", cutOff);
  RunProgram([this] {
    LoadPluginManagerWindow();
    ASSERT_NE(PluginManagerWindow, nullptr);
    EXPECT_EQ(PluginManagerWindow->Caption(), "插件管理");
    ASSERT_NE(RowOf("cut.so"), -1);
    EXPECT_EQ(List()->Cell(RowOf("cut.so"), PluginColumnName), "无法载入");
    EXPECT_TRUE(List()->Cell(RowOf("cut.so"), PluginColumnDescription).starts_with("file cut off: its 2000 bytes end before"));
    ASSERT_TRUE(platform::DeleteFile(ProgramPath("Plugin/cut.so")));
    FillPluginManagerList(ProgramPath("Plugin"));
    // Name, description, author, version, Show, file.
    // Six fields, the last an empty menu list, are a plug-in that tells who it is.
    EXPECT_EQ(ListedRows(), (RowCells{{"empty", "desc", "author", "1.0", "set 0", "empty_menu.so"},
                            {"", "", "", "", "set 0", "five_fields.so"},
                            {"", "", "", "", "set 0", "long_info.so"},
                            {"无法载入", "libtavo_needed.so: cannot open shared object file: No such file or directory", "", "", "",
                             "needs_library.so"},
                            {"", "", "", "", "set 0", "null_info.so"},
                            {"sample", "desc", "author", "1.0", "", "quiet.so"},
                            {"sample", "desc", "author", "1.0", "set 0", "sample.so"},
                            {"无法载入", "file too short", "", "", "", "text.so"}}));
    EXPECT_TRUE(RightClickRow(RowOf("text.so"), kDeleteItem));
    EXPECT_FALSE(platform::PathExists(ProgramPath("Plugin/text.so")));
    EXPECT_EQ(RowOf("text.so"), -1);
  });
  EXPECT_EQ(dialogs_.size(), 1u);  // the delete's "OK"
}

TEST_F(PluginManagerWindowTest, ConfigureRunsSetAndRefillsTheList) {
  RunProgram([this] {
    LoadPluginManagerWindow();
    EXPECT_TRUE(RightClickRow(RowOf("sample.so"), kConfigureItem));
    EXPECT_EQ(List()->Cell(RowOf("sample.so"), PluginColumnShow), "set 1");
    // Without Set there is nothing to run; the list is read again all the same.
    ASSERT_TRUE(platform::DeleteFile(ProgramPath("Plugin/sample.so")));
    EXPECT_TRUE(RightClickRow(RowOf("quiet.so"), kConfigureItem));
    EXPECT_EQ(ListedRows(), (RowCells{{"sample", "desc", "author", "1.0", "", "quiet.so"}}));
    EXPECT_TRUE(dialogs_.empty());
  });
}

TEST_F(PluginManagerWindowTest, DeleteRemovesTheFileOrSaysItFailed) {
  RunProgram([this] {
    LoadPluginManagerWindow();
    EXPECT_TRUE(RightClickRow(RowOf("sample.so"), kDeleteItem));
    EXPECT_FALSE(platform::PathExists(ProgramPath("Plugin/sample.so")));
    EXPECT_EQ(ListedRows(), (RowCells{{"sample", "desc", "author", "1.0", "", "quiet.so"}}));
    ASSERT_TRUE(platform::DeleteFile(ProgramPath("Plugin/quiet.so")));
    EXPECT_TRUE(RightClickRow(0, kDeleteItem));
    EXPECT_EQ(List()->RowCount(), 1);
    ASSERT_EQ(dialogs_.size(), 2u);
    EXPECT_EQ(dialogs_[0].text, "OK");
    EXPECT_EQ(dialogs_[1].text, "失败");
  });
}

TEST_F(PluginManagerWindowTest, ARightClickBesideTheRowsShowsNoPopup) {
  RunProgram([] {
    LoadPluginManagerWindow();
    EXPECT_FALSE(RightClickRow(-1, kDeleteItem));
    EXPECT_EQ(List()->RowCount(), 2);
  });
}

TEST_F(PluginManagerWindowTest, DownloadOpensTheHomePage) {
  std::vector<std::string> opened;
  platform::SetDesktopOpener([&](const std::string& address) {
    opened.push_back(address);
    return true;
  });
  RunProgram([] {
    LoadPluginManagerWindow();
    auto* button = PluginManagerWindow->Find<framework::Button>(kDownloadButton);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Caption(), "插件下载");
    QTest::mouseClick(button->Widget(), Qt::LeftButton);
  });
  EXPECT_EQ(opened, std::vector<std::string>{HomePageAddress()});
}

}  // namespace
