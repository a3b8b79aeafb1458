#include "framework/page_control.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <vector>

#include "platform/code_page.h"

namespace framework {

namespace {

// Pages fill the whole control under the tab bar, so a child's coordinates mean the same on
// every page and relative to the control itself.
class PagedWidget : public QWidget {
 public:
  explicit PagedWidget(QWidget* parent) : QWidget(parent), tabs_(new QTabBar(this)) {
    connect(tabs_, &QTabBar::currentChanged, this, [this](int page) { ShowOnly(page); });
  }

  QTabBar* Tabs() const { return tabs_; }
  const std::vector<QWidget*>& Pages() const { return pages_; }

  void AddPage(const QString& caption) {
    auto* page = new QWidget(this);
    pages_.push_back(page);
    page->setGeometry(rect());
    tabs_->addTab(caption);
    tabs_->raise();
    ShowOnly(tabs_->currentIndex());
  }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    for (QWidget* page : pages_) page->setGeometry(rect());
    tabs_->resize(tabs_->sizeHint().boundedTo(size()));
  }

  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(0, tabs_->sizeHint().height() - 1, 0, 0);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
  }

 private:
  void ShowOnly(int current) {
    for (std::size_t i = 0; i < pages_.size(); ++i) pages_[i]->setVisible(static_cast<int>(i) == current);
  }

  QTabBar* tabs_;
  std::vector<QWidget*> pages_;
};

PagedWidget* Paged(QWidget* widget) { return static_cast<PagedWidget*>(widget); }

}  // namespace

PageControl::PageControl(const ControlDefinition& definition, QWidget* parent)
    : WidgetUnit(definition.name, new PagedWidget(parent)) {
  for (const std::string& caption : definition.pages) Paged(Widget())->AddPage(platform::AnsiToQString(caption));
}

int PageControl::PageCount() const { return static_cast<int>(Paged(Widget())->Pages().size()); }

QWidget* PageControl::Page(int page) const {
  if (page < 0 || page >= PageCount()) return nullptr;
  return Paged(Widget())->Pages()[static_cast<std::size_t>(page)];
}

std::string PageControl::PageCaption(int page) const {
  return platform::QStringToAnsi(Paged(Widget())->Tabs()->tabText(page));
}

int PageControl::CurrentPage() const { return Paged(Widget())->Tabs()->currentIndex(); }

void PageControl::SetCurrentPage(int page) {
  if (Page(page) != nullptr) Paged(Widget())->Tabs()->setCurrentIndex(page);
}

}  // namespace framework
