#include "platform/system_metrics.h"

#include <QApplication>
#include <QStyle>

namespace platform {

int GetSystemMetrics(int index) {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return 0;
  switch (index) {
    case SM_CXMENUCHECK:
      return QApplication::style()->pixelMetric(QStyle::PM_IndicatorWidth);
    case SM_CYMENUCHECK:
      return QApplication::style()->pixelMetric(QStyle::PM_IndicatorHeight);
    default:
      return 0;
  }
}

}  // namespace platform
