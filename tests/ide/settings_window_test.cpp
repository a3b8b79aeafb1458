#include "ide/settings_window.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QLineEdit>
#include <QTest>
#include <QTreeView>

#include "document_fixture.h"
#include "framework/button.h"
#include "framework/colour_picker.h"
#include "framework/combo_box.h"
#include "framework/edit_box.h"
#include "framework/list_view.h"
#include "ide/settings_window_definition.h"
#include "platform/ini_file.h"

namespace {

using Row = std::vector<std::string>;

class SettingsWindowTest : public DocumentTest {
 protected:
  void SetUp() override {
    DocumentTest::SetUp();
    ASSERT_EQ(mkdir(ProgramPath("Syntax").c_str(), 0755), 0);
  }

  static framework::ListView* Words() { return SettingsWindow->Find<framework::ListView>(kWordList); }
  static framework::EditBox* Box(const char* name) { return SettingsWindow->Find<framework::EditBox>(name); }
  static void Click(const char* button) {
    QTest::mouseClick(SettingsWindow->Find<framework::Button>(button)->Widget(), Qt::LeftButton);
  }
  // What the code page cannot hold can only be typed: the box's own text is code-page text.
  static void TypeUnicode(const char* box, const char8_t* utf8) {
    static_cast<QLineEdit*>(Box(box)->Widget())->setText(QString::fromUtf8(reinterpret_cast<const char*>(utf8)));
  }
  static void SelectType(int item) { SettingsWindow->Find<framework::ComboBox>(kWordTypeBox)->SetSelection(item); }
  // As the user does it: the mouse on the row, the arrow keys in the type box.
  static void ClickRow(int row) {
    auto* tree = static_cast<QTreeView*>(Words()->Widget());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(tree->model()->index(row, 0)).center());
  }
  static void ChooseTypeDown() {
    QTest::keyClick(SettingsWindow->Find<framework::ComboBox>(kWordTypeBox)->Widget(), Qt::Key_Down);
  }

  static std::vector<Row> ListedRows() {
    std::vector<Row> rows;
    for (int row = 0; row < Words()->RowCount(); ++row) {
      rows.push_back(
          {Words()->Cell(row, kWordColumn), Words()->Cell(row, kTipColumn), Words()->Cell(row, kTypeColumn)});
    }
    return rows;
  }

  static void AddWord(const std::string& word, const std::string& tip, int type) {
    Box(kWordBox)->SetText(word);
    Box(kTipBox)->SetText(tip);
    SelectType(type);
    Click(kAddWordButton);
  }

  std::string ProgramFile(const std::string& name) const {
    return platform::ReadWholeFile(ProgramPath(name)).value_or("<missing>");
  }

  void AnswerColour(std::optional<int> colour) { answers_.push_back({0, std::nullopt, std::nullopt, colour}); }

  // Runs the program with the settings window open.
  void WithSettingsWindow(const std::function<void()>& body) {
    RunProgram([&] {
      LoadSettingsWindow();
      body();
    });
  }
};

TEST_F(SettingsWindowTest, TheListHoldsTheWordsOfTheThreeFilesWithTheirTips) {
  WriteProgramFile("Syntax/Order.txt", "printf scanf ");
  WriteProgramFile("Syntax/KEY.txt", "int  char");
  WriteProgramFile("Syntax/Conest.txt", "EOF ");
  WriteProgramFile("Syntax/Tips.txt", "[printf]\r\ntip=printf(格式, ...)\r\n[EOF]\r\ntip=-1\r\n");
  // A list in the base directory is the editor's, not this window's.
  WriteBaseFile("Syntax/h.txt", "base ");
  WithSettingsWindow([] {
    EXPECT_EQ(ListedRows(), (std::vector<Row>{{"printf", "printf(格式, ...)", "函数"},
                                              {"scanf", "", "函数"},
                                              {"int", "", "关键字"},
                                              {"", "", "关键字"},
                                              {"char", "", "关键字"},
                                              {"EOF", "-1", "常量"}}));
  });
}

TEST_F(SettingsWindowTest, TheCurrentRowFillsTheBoxesAndTheTypeBoxStartsOnKeywords) {
  WriteProgramFile("Syntax/Order.txt", "printf ");
  WriteProgramFile("Syntax/Tips.txt", "[printf]\r\ntip=输出\r\n");
  WithSettingsWindow([] {
    EXPECT_EQ(SettingsWindow->Find<framework::ComboBox>(kWordTypeBox)->Selection(), 0);
    Words()->SelectRow(0);
    EXPECT_EQ(Box(kWordBox)->Text(), "printf");
    EXPECT_EQ(Box(kTipBox)->Text(), "输出");
    EXPECT_EQ(SettingsWindow->Find<framework::ComboBox>(kWordTypeBox)->Selection(), 0);
  });
}

TEST_F(SettingsWindowTest, SavingWritesEachListWholeAndEveryTip) {
  WriteProgramFile("Syntax/Order.txt", "printf ");
  WriteProgramFile("Syntax/key.txt", "int ");
  WriteProgramFile("Syntax/Tips.txt", "[int]\r\ntip=整数\r\n");
  WithSettingsWindow([] {
    AddWord("puts", "输出一行", 1);
    AddWord("NULL", "空", -1);
    AddWord("goto", "", 0);
    AddWord("MAX", "", 2);
    Click(kSaveWordsButton);
  });
  EXPECT_EQ(ProgramFile("Syntax/Order.txt"), "printf puts ");
  EXPECT_EQ(ProgramFile("Syntax/key.txt"), "int goto ");
  EXPECT_EQ(ProgramFile("Syntax/conest.txt"), "NULL MAX ");
  const std::string tips = ProgramPath("Syntax/Tips.txt");
  EXPECT_EQ(platform::GetPrivateProfileStringA("puts", "tip", "-", tips), "输出一行");
  EXPECT_EQ(platform::GetPrivateProfileStringA("int", "tip", "-", tips), "整数");
  EXPECT_EQ(platform::GetPrivateProfileStringA("goto", "tip", "-", tips), "");
  EXPECT_TRUE(dialogs_.empty());
}

TEST_F(SettingsWindowTest, DeletingAndSavingKeepsTheTipSection) {
  WriteProgramFile("Syntax/Order.txt", "printf puts ");
  WriteProgramFile("Syntax/Tips.txt", "[printf]\r\ntip=输出\r\n");
  WithSettingsWindow([] {
    Words()->SelectRow(0);
    Click(kDeleteWordButton);
    Words()->SelectRow(-1);
    Click(kDeleteWordButton);
    Click(kSaveWordsButton);
  });
  EXPECT_EQ(ProgramFile("Syntax/Order.txt"), "puts ");
  EXPECT_EQ(platform::GetPrivateProfileStringA("printf", "tip", "-", ProgramPath("Syntax/Tips.txt")), "输出");
}

TEST_F(SettingsWindowTest, AnEmptyListSavesThreeEmptyFiles) {
  WithSettingsWindow([] { Click(kSaveWordsButton); });
  for (const char* name : {"Syntax/Order.txt", "Syntax/Key.txt", "Syntax/conest.txt"}) {
    EXPECT_EQ(ProgramFile(name), "") << name;
  }
}

TEST_F(SettingsWindowTest, ModifyOverwritesTheCurrentRowAndSaysOk) {
  WriteProgramFile("Syntax/Order.txt", "printf ");
  WithSettingsWindow([this] {
    Click(kModifyWordButton);
    EXPECT_TRUE(dialogs_.empty());
    Words()->SelectRow(0);
    Box(kWordBox)->SetText("");
    Box(kTipBox)->SetText("");
    ChooseTypeDown();
    ChooseTypeDown();
    Click(kModifyWordButton);
    EXPECT_EQ(ListedRows(), (std::vector<Row>{{"", "", "常量"}}));
    ASSERT_EQ(dialogs_.size(), 1u);
    EXPECT_EQ(dialogs_[0].text, "ok");
    EXPECT_EQ(dialogs_[0].style, framework::MB_OK);
  });
}

// Each case edits the list of one opening and saves it; the files then hold every word and
// every byte of every tip that the edits did not change.
TEST_F(SettingsWindowTest, EditsChangeOnlyWhatTheUserChanged) {
  const std::string longTip = std::string(10300, 'x') + "尾";
  const std::string tips = "[printf]\r\ntip=输出\r\n[puts]\r\ntip=" + longTip + "\r\n[int]\r\ntip=整数\r\n";
  const std::vector<Row> rows = {{"printf", "输出", "函数"}, {"puts", longTip, "函数"}, {"int", "整数", "关键字"}};
  struct Case {
    const char* what;
    std::function<void()> edit;
    std::vector<Row> rows;
    std::vector<std::string> messages;
    std::string order;
    std::string tips;
  };
  const Case cases[] = {
      {"a click shows the clicked row, which 修改 writes back unchanged",
       [] {
         Words()->SelectRow(0);
         ClickRow(2);
         EXPECT_EQ(Box(kWordBox)->Text(), "int");
         Click(kModifyWordButton);
       },
       rows, {"ok"}, "printf puts ", tips},
      {"a tip longer than a profile read is saved whole", [] {}, rows, {}, "printf puts ", tips},
      {"a word with a blank is refused by 添加 and 修改",
       [] {
         ClickRow(0);
         Box(kWordBox)->SetText("two words");
         Click(kAddWordButton);
         Click(kModifyWordButton);
       },
       rows, {"词语中不能有空格", "词语中不能有空格"}, "printf puts ", tips},
      {"a word or a tip with a character the code page lacks is refused by 添加 and 修改",
       [] {
         ClickRow(0);
         ChooseTypeDown();  // 命令: what got through would be in Order.txt
         TypeUnicode(kWordBox, u8"한글");
         Click(kAddWordButton);
         Click(kModifyWordButton);
         TypeUnicode(kWordBox, u8"smile");
         TypeUnicode(kTipBox, u8"笑😀");
         Click(kAddWordButton);
         Click(kModifyWordButton);
       },
       rows,
       {"词语中不能有系统编码无法表示的字符 U+D55C", "词语中不能有系统编码无法表示的字符 U+D55C",
        "解释中不能有系统编码无法表示的字符 U+1F600", "解释中不能有系统编码无法表示的字符 U+1F600"},
       "printf puts ", tips},
      {"修改 keeps the type unless the user chose one",
       [] {
         ClickRow(0);
         Box(kTipBox)->SetText("新");
         Click(kModifyWordButton);
         ClickRow(1);
         ChooseTypeDown();
         ClickRow(2);
         Click(kModifyWordButton);
       },
       {{"printf", "新", "函数"}, {"puts", longTip, "函数"}, {"int", "整数", "关键字"}},
       {"ok", "ok"}, "printf puts ", "[printf]\r\ntip=新\r\n[puts]\r\ntip=" + longTip + "\r\n[int]\r\ntip=整数\r\n"},
      {"a chosen type retypes the row",
       [] {
         ClickRow(0);
         ChooseTypeDown();
         ChooseTypeDown();
         Click(kModifyWordButton);
       },
       {{"printf", "输出", "常量"}, {"puts", longTip, "函数"}, {"int", "整数", "关键字"}}, {"ok"}, "puts ", tips},
  };
  RunProgram([&] {
    for (const Case& c : cases) {
      WriteProgramFile("Syntax/Order.txt", "printf puts ");
      WriteProgramFile("Syntax/key.txt", "int ");
      WriteProgramFile("Syntax/Tips.txt", tips);
      dialogs_.clear();
      LoadSettingsWindow();
      c.edit();
      EXPECT_EQ(ListedRows(), c.rows) << c.what;
      EXPECT_EQ(DialogTexts(), c.messages) << c.what;
      Click(kSaveWordsButton);
      SettingsWindow->Close();
      EXPECT_EQ(ProgramFile("Syntax/Order.txt"), c.order) << c.what;
      EXPECT_EQ(ProgramFile("Syntax/Tips.txt"), c.tips) << c.what;
    }
  });
}

TEST_F(SettingsWindowTest, PickersShowTheSavedColoursAndEachWritesOnlyItsKey) {
  const std::string defaults = "[配色]\r\n注释颜色=255\r\n函数颜色=x\r\n";
  WriteProgramFile("default.txt", defaults);
  WithSettingsWindow([this, &defaults] {
    auto picker = [](const char* name) { return SettingsWindow->Find<framework::ColourPicker>(name); };
    EXPECT_EQ(picker("颜色选择器注释")->Colour(), 255);
    EXPECT_EQ(picker("颜色选择器函数")->Colour(), 0);
    EXPECT_EQ(picker("颜色选择器背景")->Colour(), 0);
    EXPECT_EQ(ProgramFile("default.txt"), defaults);
    AnswerColour(16711680);
    picker("颜色选择器关键字3")->Choose();
    AnswerColour(std::nullopt);
    picker("颜色选择器注释")->Choose();
  });
  EXPECT_EQ(ProgramFile("default.txt"), defaults + "行号栏颜色=16711680\r\n");
}

// Each picker with its key: it shows that key's colour and writes that key alone.
TEST_F(SettingsWindowTest, EveryPickerReadsAndWritesItsOwnKey) {
  const std::pair<const char*, const char*> pickers[] = {
      {"颜色选择器预处理", "预处理颜色"}, {"颜色选择器函数", "函数颜色"},     {"颜色选择器注释", "注释颜色"},
      {"颜色选择器常量", "常量颜色"},     {"颜色选择器字符串", "字符串颜色"}, {"颜色选择器选中行", "选中行颜色"},
      {"颜色选择器背景", "背景颜色"},     {"颜色选择器关键字", "关键字颜色"}, {"颜色选择器关键字1", "变量颜色"},
      {"颜色选择器关键字2", "行号颜色"},  {"颜色选择器关键字3", "行号栏颜色"},
  };
  std::vector<int> colours;
  for (std::size_t i = 0; i < std::size(pickers); ++i) colours.push_back(static_cast<int>(i) + 1);
  const auto defaults = [&] {
    std::string text = "[配色]\r\n";
    for (std::size_t i = 0; i < std::size(pickers); ++i) {
      text += std::string(pickers[i].second) + "=" + std::to_string(colours[i]) + "\r\n";
    }
    return text;
  };
  WriteProgramFile("default.txt", defaults());
  for (const int colour : colours) AnswerColour(colour + 100);
  WithSettingsWindow([&] {
    for (std::size_t i = 0; i < std::size(pickers); ++i) {
      SCOPED_TRACE(pickers[i].second);
      auto* picker = SettingsWindow->Find<framework::ColourPicker>(pickers[i].first);
      EXPECT_EQ(picker->Colour(), colours[i]);
      picker->Choose();
      colours[i] += 100;
      EXPECT_EQ(ProgramFile("default.txt"), defaults());
    }
  });
}

TEST_F(SettingsWindowTest, TheFontButtonWritesFaceAndSizeUnlessCancelled) {
  const std::string defaults = "[配色]\r\nfont-family=宋体\r\nfont-size=12\r\n";
  WriteProgramFile("default.txt", defaults);
  WithSettingsWindow([this, &defaults] {
    Click(kFontButton);
    EXPECT_EQ(ProgramFile("default.txt"), defaults);
    framework::DialogReply font;
    font.font = {"DejaVu Sans Mono", 14};
    answers_.push_back(font);
    Click(kFontButton);
  });
  EXPECT_EQ(ProgramFile("default.txt"), "[配色]\r\nfont-family=DejaVu Sans Mono\r\nfont-size=14\r\n");
  ASSERT_EQ(dialogs_.size(), 2u);
  EXPECT_EQ(dialogs_[1].kind, framework::DialogKind::Font);
}

}  // namespace
