#include "ide/colour_settings.h"

#include "editor/scintilla_messages.h"
#include "ide/settings_window.h"

namespace {

using enum EditorColour;
using enum DataRoot;
using namespace scintilla;

// Every style that a comment is drawn in: block, line and documentation comments and the
// keywords within them.
constexpr std::initializer_list<int> kCommentStyles = {
    SCE_C_COMMENT,        SCE_C_COMMENTLINE,       SCE_C_COMMENTDOC,
    SCE_C_COMMENTLINEDOC, SCE_C_COMMENTDOCKEYWORD, SCE_C_COMMENTDOCKEYWORDERROR};

// The fields in the order of ColourSetting. One row a line with the key first: the data checks
// read the keys from these rows.
const ColourSetting kColourSettings[] = {
    {"预处理颜色", "32896", Program, StyleFore, {SCE_C_PREPROCESSOR}, "颜色选择器预处理", "标签3", "预处理文本颜色", 96, {104, 42, 72, 20}, 0, OnSettingsWindowPreprocessorColourChanged},
    {"函数颜色", "255", Program, StyleFore, {SCE_C_WORD2}, "颜色选择器函数", "标签4", "函数颜色", 72, {104, 74, 72, 20}, 6, OnSettingsWindowFunctionColourChanged},
    {"注释颜色", "65280", Program, StyleFore, kCommentStyles, "颜色选择器注释", "标签5", "注释颜色", 72, {104, 107, 72, 20}, 4, OnSettingsWindowCommentColourChanged},
    {"常量颜色", "128", Program, StyleFore, {SCE_C_GLOBALCLASS}, "颜色选择器常量", "标签7", "常量颜色", 72, {104, 138, 72, 20}, 1, OnSettingsWindowConstantColourChanged},
    {"字符串颜色", "8421376", Program, StyleFore, {SCE_C_STRING}, "颜色选择器字符串", "标签8", "字符串颜色", 72, {102, 170, 72, 20}, 3, OnSettingsWindowStringColourChanged},
    {"选中行颜色", "16777111", Base, CaretLineBack, {}, "颜色选择器选中行", "标签9", "选中行颜色", 72, {102, 202, 72, 20}, 2, OnSettingsWindowCaretLineColourChanged},
    {"背景颜色", "16777215", Base, StyleBack, {STYLE_DEFAULT}, "颜色选择器背景", "标签11", "背景颜色", 72, {102, 234, 72, 20}, 7, OnSettingsWindowBackgroundColourChanged},
    {"关键字颜色", "16711680", Program, StyleFore, {SCE_C_WORD}, "颜色选择器关键字", "标签12", "关键字颜色", 72, {344, 82, 72, 20}, 5, OnSettingsWindowKeywordColourChanged},
    {"变量颜色", "128", Program, StyleFore, {SCE_C_IDENTIFIER}, "颜色选择器关键字1", "标签13", "变量颜色", 72, {344, 114, 72, 20}, 8, OnSettingsWindowVariableColourChanged},
    {"行号颜色", "0", Base, StyleFore, {STYLE_LINENUMBER}, "颜色选择器关键字2", "标签14", "行号颜色", 72, {344, 146, 72, 20}, 9, OnSettingsWindowLineNumberColourChanged},
    {"行号栏颜色", "16711680", Base, StyleBack, {STYLE_LINENUMBER}, "颜色选择器关键字3", "标签15", "行号栏颜色", 72, {344, 178, 72, 20}, 10, OnSettingsWindowLineNumberMarginColourChanged},
};

}  // namespace

std::span<const ColourSetting> ColourSettings() { return kColourSettings; }
