// Drives a real modal dialog: once a dialog of the kind is shown (and its exec loop is
// waiting for the user), the given steps run on it from a timer.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

template <typename Dialog>
void WhenShown(std::function<void(Dialog*)> drive) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, drive] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || !dialog->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    drive(dialog);
  });
  timer->start();
}
