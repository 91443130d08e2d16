#include "ErrorReport.h"

#include <QApplication>
#include <QMessageBox>

namespace vt {

namespace {

void MessageBoxReport(const std::string& message) {
  QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(),
                        QString::fromStdString(message));
}

TErrorReport& CurrentReport() {
  static TErrorReport report = &MessageBoxReport;
  return report;
}

}  // namespace

void ShowErrorReport(const std::string& message) {
  CurrentReport()(message);
}

TErrorReport SetErrorReport(TErrorReport report) {
  TErrorReport previous = std::move(CurrentReport());
  CurrentReport() = report ? std::move(report) : TErrorReport(&MessageBoxReport);
  return previous;
}

}  // namespace vt
