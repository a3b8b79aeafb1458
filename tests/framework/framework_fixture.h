// Shared ground of the framework tests: a small window definition, and a fixture that answers
// every dialog, replaces the end of the process and destroys what a test left open.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <string>
#include <vector>

#include "framework/dialog_seam.h"
#include "framework/form.h"
#include "framework/message_loop.h"
#include "framework/program_end.h"

// A window of each unit of the main window, at small sizes.
inline framework::WindowDefinition SampleWindow() {
  using framework::ControlDefinition;
  using framework::ControlKind;
  using Button = framework::ToolbarButtonDefinition;
  return framework::WindowDefinition(
      "SampleWindow", "样例", {40, 40, 400, 300},
      {ControlDefinition(ControlKind::Toolbar, "Tools", {0, 0, 390, 28})
           .WithButtons({Button::Button(0, "zero"), Button::Separator(), Button::Button(1, "two", true),
                         Button::Button(2, "three")}),
       ControlDefinition(ControlKind::StatusBar, "Status", {8, 8, 200, 20})
           .WithParts({{"行", 30}, {"0", 40}, {"", -1}}),
       ControlDefinition(ControlKind::PageControl, "Panel", {1, 150, 380, 120}).WithPages({"调试表", "搜索表"}),
       ControlDefinition(ControlKind::ListView, "Output", {5, 30, 360, 80})
           .OnParent("Panel", 1)
           .WithColumns({{"#", 60}, {"详情", 200}, {"", 0}}),
       ControlDefinition(ControlKind::Label, "HotKeys", {10, 40, 56, 0}, "hot"),
       ControlDefinition(ControlKind::CommonDialog, "Files", {}, "Tavo选择器")
           .WithFileDialog({"C文件|*.c|所有文件|*.*", "c"}),
       ControlDefinition(ControlKind::DropTarget, "Drops")});
}

// The start window's units: a group box holding a list box and a label, as that window has them.
inline framework::WindowDefinition GroupedSampleWindow() {
  using framework::ControlDefinition;
  using framework::ControlKind;
  return framework::WindowDefinition(
      "GroupedWindow", "开始", {40, 40, 511, 395},
      {ControlDefinition(ControlKind::GroupBox, "Recent", {264, 98, 240, 232}, "最近打开"),
       ControlDefinition(ControlKind::ListBox, "RecentList", {8, 16, 224, 176}).OnParent("Recent"),
       ControlDefinition(ControlKind::Label, "New", {14, 200, 64, 24}, "新建(&O)").OnParent("Recent")});
}

class FrameworkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    framework::SetDialogAnswerer([this](const framework::DialogRequest& request) {
      requests_.push_back(request);
      return reply_;
    });
    framework::SetProcessEnder([this](int code) { endCodes_.push_back(code); });
  }

  void TearDown() override {
    const std::vector<framework::Form*> open = framework::LiveWindows();
    for (framework::Form* form : open) form->Destroy();
    // The destroyed windows' forms are freed, as the program's loop frees them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    framework::SetDialogAnswerer(nullptr);
    framework::SetProcessEnder(nullptr);
    framework::SetExitRoutine(nullptr);
  }

  // Builds the window and shows it, modeless and without an owner.
  framework::Form* LoadSample(const framework::WindowDefinition& definition = SampleWindow()) {
    framework::Form* form = framework::Form::Create(definition);
    if (form != nullptr) form->Load();
    return form;
  }

  std::vector<framework::DialogRequest> requests_;
  framework::DialogReply reply_;
  std::vector<int> endCodes_;
};
