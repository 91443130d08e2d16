#pragma once
// The application's error report: how a failure that reaches the user interface is
// shown. By default a message box over the active window; the editor or a test may
// put its own report in place.
#include <functional>
#include <string>

namespace vt {

using TErrorReport = std::function<void(const std::string& message)>;

// Shows `message` (UTF-8, as every exception message) through the current report.
void ShowErrorReport(const std::string& message);
// Installs `report` (an empty function restores the message box); returns the old one.
TErrorReport SetErrorReport(TErrorReport report);

}  // namespace vt
