#pragma once
// The two previews of the current skin: the form preview and the controls preview. Both
// read the skin from the temporary file the main window has just written, as a themed
// program would read it. The preview windows are run through one function each, which a
// test may replace to see what the main window hands over; the windows themselves are
// TfrmTestEmpty and TfrmTest.
#include <QString>
#include <functional>

class QWidget;

namespace vt {

enum class TPreviewKind { pkForm, pkControls };

// Shows the preview of `kind` for the skin in `skinFile` modally over `owner`.
using TPreviewRunner =
    std::function<void(QWidget* owner, const QString& skinFile, TPreviewKind kind)>;

void RunPreview(QWidget* owner, const QString& skinFile, TPreviewKind kind);
// Installs `runner` (an empty function restores the built-in windows); returns the old one.
TPreviewRunner SetPreviewRunner(TPreviewRunner runner);

}  // namespace vt
