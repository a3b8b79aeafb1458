#include <QApplication>
#include <QMainWindow>
#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <memory>

#include "framework/label.h"
#include "framework/list_view.h"
#include "framework/page_control.h"
#include "framework/status_bar.h"
#include "framework/toolbar.h"
#include "framework_fixture.h"

namespace {

using framework::ControlKind;
using framework::Form;

TEST_F(FrameworkTest, DefinitionBuildsTheControlsAtTheirGeometry) {
  Form* form = LoadSample();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->Caption(), "样例");
  EXPECT_EQ(form->ClientWidth(), 400);
  EXPECT_EQ(form->ClientHeight(), 300);

  const auto* panel = form->Find<framework::PageControl>("Panel");
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ((std::vector<int>{panel->Left(), panel->Top(), panel->Width(), panel->Height()}),
            (std::vector<int>{1, 150, 380, 120}));
  const auto* output = form->Find<framework::ListView>("Output");
  ASSERT_NE(output, nullptr);
  EXPECT_EQ(output->Widget()->parentWidget(), panel->Page(1));
  EXPECT_EQ((std::vector<int>{output->Left(), output->Top(), output->Width(), output->Height()}),
            (std::vector<int>{5, 30, 360, 80}));

  // The bars are docked: the toolbar across the top, the status bar across the bottom.
  const auto* tools = form->Find<framework::Toolbar>("Tools");
  const auto* status = form->Find<framework::StatusBar>("Status");
  EXPECT_EQ((std::vector<int>{tools->Left(), tools->Top(), tools->Width()}), (std::vector<int>{0, 0, 400}));
  EXPECT_EQ((std::vector<int>{status->Left(), status->Top() + status->Height(), status->Width()}),
            (std::vector<int>{0, 300, 400}));
}

TEST_F(FrameworkTest, ControlsAreFoundByNameAndKind) {
  Form* form = LoadSample();
  EXPECT_NE(form->Find<framework::Label>("HotKeys"), nullptr);
  EXPECT_EQ(form->Find<framework::Toolbar>("HotKeys"), nullptr);  // another kind
  EXPECT_EQ(form->Find<framework::Label>("Missing"), nullptr);
  EXPECT_NE(form->FindUnit("Files"), nullptr);
}

TEST_F(FrameworkTest, UnsoundDefinitionsLoadNothing) {
  using framework::ControlDefinition;
  const ControlDefinition label(ControlKind::Label, "A");
  const ControlDefinition child = ControlDefinition(ControlKind::Label, "B").OnParent("A");
  const ControlDefinition pages = ControlDefinition(ControlKind::PageControl, "P").WithPages({"one"});
  const ControlDefinition group(ControlKind::GroupBox, "G");
  const std::vector<std::vector<ControlDefinition>> unsound = {
      {label, label},                                                        // two of one name
      {ControlDefinition(ControlKind::Label, "B").OnParent("Nowhere")},      // unknown parent
      {label, child},                                                        // holds no controls
      {pages, ControlDefinition(ControlKind::Label, "B").OnParent("P", 1)},  // lacks the page
      {group, ControlDefinition(ControlKind::Label, "B").OnParent("G", 1)},  // has no pages
      {ControlDefinition(ControlKind::Label, "B").OnParent("P"), pages},     // parent comes later
  };
  for (const auto& controls : unsound) {
    EXPECT_EQ(Form::Create(framework::WindowDefinition("Unsound", "", {0, 0, 100, 100}, controls)), nullptr);
  }
  EXPECT_TRUE(framework::LiveWindows().empty());
}

TEST_F(FrameworkTest, CreatedRunsBeforeTheWindowShowsAndResizedReportsTheClientSize) {
  Form* form = Form::Create(SampleWindow());
  bool shownWhenCreated = true;
  std::vector<std::pair<int, int>> sizes;
  form->OnCreated = [&] { shownWhenCreated = form->Frame()->isVisible(); };
  form->OnResized = [&](int width, int height) { sizes.emplace_back(width, height); };
  form->Load();
  EXPECT_FALSE(shownWhenCreated);
  EXPECT_TRUE(form->Frame()->isVisible());

  sizes.clear();
  form->Frame()->resize(500, 350);
  ASSERT_FALSE(sizes.empty());
  EXPECT_EQ(sizes.back(), std::make_pair(500, 350));
  const auto* status = form->Find<framework::StatusBar>("Status");
  EXPECT_EQ(status->Top() + status->Height(), 350);
}

// A window that the creation handler loads is shown first, and brought back in front after.
TEST_F(FrameworkTest, AWindowLoadedWhileAnotherIsCreatedEndsInFront) {
  Form* outer = Form::Create(SampleWindow());
  Form* inner = nullptr;
  outer->OnCreated = [&] {
    inner = Form::Create(GroupedSampleWindow());
    inner->Load();
  };
  outer->Load();
  QApplication::processEvents();
  ASSERT_NE(inner, nullptr);
  EXPECT_TRUE(outer->Frame()->isVisible());
  EXPECT_EQ(QApplication::activeWindow(), inner->Frame());
}

TEST_F(FrameworkTest, QueryCloseDecidesWhetherTheWindowCloses) {
  Form* form = LoadSample();
  int answer = 0;
  int destroyings = 0;
  form->OnQueryClose = [&] { return answer; };
  form->OnDestroying = [&] { ++destroyings; };

  form->Frame()->close();  // the frame's close button
  EXPECT_FALSE(form->IsDestroyed());
  EXPECT_TRUE(form->Frame()->isVisible());

  answer = 1;
  form->Frame()->close();
  EXPECT_TRUE(form->IsDestroyed());
  EXPECT_FALSE(form->Frame()->isVisible());
  EXPECT_EQ(destroyings, 1);
  form->Destroy();
  EXPECT_EQ(destroyings, 1);
  EXPECT_TRUE(framework::LiveWindows().empty());
}

// The form is there until the event that destroyed its window has been handled, then it goes
// with its widgets and units (what its handlers hold goes with it).
TEST_F(FrameworkTest, ADestroyedWindowIsFreedOnceTheLoopRunsAgain) {
  Form* form = LoadSample();
  auto held = std::make_shared<int>(0);
  const std::weak_ptr<int> heldByTheForm = held;
  form->OnResized = [held](int, int) {};
  held.reset();
  const QPointer<QWidget> frame = form->Frame();
  QTimer::singleShot(0, [&] {
    form->Destroy();
    EXPECT_FALSE(heldByTheForm.expired());
    EXPECT_NE(frame, nullptr);
  });
  QTimer::singleShot(50, [&] {
    EXPECT_TRUE(heldByTheForm.expired());
    EXPECT_EQ(frame, nullptr);
    QCoreApplication::exit();
  });
  QCoreApplication::exec();
}

// A box that a handler of the window's own opens runs a loop of its own; the window destroyed
// meanwhile stays there until the handler has returned, and is freed after.
TEST_F(FrameworkTest, AWindowDestroyedInsideItsOwnHandlersBoxOutlivesTheHandler) {
  Form* form = LoadSample();
  auto held = std::make_shared<int>(0);
  const std::weak_ptr<int> heldByTheForm = held;
  form->OnQueryClose = [form, held] {
    QEventLoop box;
    QTimer::singleShot(0, [form] { form->Destroy(); });
    QTimer::singleShot(20, &box, &QEventLoop::quit);  // the box's loop runs on meanwhile
    box.exec();
    return 1;
  };
  held.reset();
  EXPECT_TRUE(form->Close(3));
  EXPECT_TRUE(form->IsDestroyed());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(heldByTheForm.expired());
}

TEST_F(FrameworkTest, ModalLoadReturnsTheResultOnceClosed) {
  Form* owner = LoadSample();
  Form* dialog = Form::Create(SampleWindow());
  QTimer::singleShot(0, [dialog] { dialog->Close(5); });
  EXPECT_EQ(dialog->LoadModal(owner), 5);
  EXPECT_TRUE(dialog->IsDestroyed());
  EXPECT_FALSE(owner->IsDestroyed());
}

TEST_F(FrameworkTest, DestroyingAnOwnerDestroysTheWindowsItOwns) {
  Form* owner = LoadSample();
  Form* owned = Form::Create(SampleWindow());
  Form* free = Form::Create(SampleWindow());
  std::vector<std::string> order;
  owned->OnDestroying = [&] { order.push_back("owned"); };
  owner->OnDestroying = [&] { order.push_back("owner"); };
  owned->Load(owner);
  free->Load();
  owner->Destroy();
  EXPECT_EQ(order, (std::vector<std::string>{"owned", "owner"}));
  EXPECT_FALSE(free->IsDestroyed());
}

TEST_F(FrameworkTest, MessageLoopEndsWhenTheLastWindowIsDestroyed) {
  Form* first = LoadSample();
  Form* second = LoadSample();
  QTimer::singleShot(0, [first] { first->Destroy(); });
  QTimer::singleShot(10, [second] { second->Close(); });
  EXPECT_EQ(framework::RunMessageLoop(), 0);
  EXPECT_TRUE(framework::LiveWindows().empty());
  EXPECT_EQ(framework::RunMessageLoop(), 0);  // no window: nothing to wait for
}

}  // namespace
