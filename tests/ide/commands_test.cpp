#include "ide/commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "ide/main_window_definition.h"

namespace {

// A command the table names twice would be shadowed by its first row, and a button without a
// row would do nothing.
TEST(CommandTableTest, EachMenuItemKeyAndButtonNamesOneCommand) {
  std::set<int> menuIds;
  std::set<int> hotKeys;
  std::set<int> buttons;
  for (const Command& command : CommandTable()) {
    ASSERT_NE(command.run, nullptr);
    EXPECT_TRUE(command.menuId || command.toolbarButton) << "a command nothing reaches";
    if (command.menuId) {
      EXPECT_TRUE(menuIds.insert(*command.menuId).second) << *command.menuId;
      EXPECT_NE(command.caption, nullptr) << *command.menuId;
    }
    if (command.hotKey != kNoHotKey) {
      EXPECT_TRUE(hotKeys.insert(command.hotKey).second) << command.hotKey;
    }
    if (command.toolbarButton) {
      EXPECT_TRUE(buttons.insert(*command.toolbarButton).second) << *command.toolbarButton;
    }
  }
  EXPECT_EQ(hotKeys.size(), 6u);
  std::set<int> designedButtons;
  const framework::WindowDefinition definition = MainWindowDefinition();
  const auto toolbar = std::ranges::find(definition.controls, std::string(kMainToolbar),
                                         &framework::ControlDefinition::name);
  ASSERT_NE(toolbar, definition.controls.end());
  for (std::size_t index = 0; index < toolbar->buttons.size(); ++index) {
    if (!toolbar->buttons[index].separator) designedButtons.insert(static_cast<int>(index));
  }
  EXPECT_EQ(buttons, designedButtons);
}

}  // namespace
