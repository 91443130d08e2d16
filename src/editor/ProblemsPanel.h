#pragma once
// TProblemsPanel: the skin lint beside the skin being edited, one line per problem, under
// the work area. It lints again after the document changes, once per burst of changes so
// that typing in the inspector stays quick, and hides while the skin has no problem. A click
// on a line asks the main window to select the object or the image the problem concerns.
#include <QDockWidget>
#include <QTimer>
#include <vector>

#include "editor/SkinDocument.h"
#include "theme/te_skinlint.h"

class QListWidget;
class QListWidgetItem;

namespace vt {

class TProblemsPanel : public QDockWidget {
  Q_OBJECT

 public:
  explicit TProblemsPanel(TSkinDocument& document, QWidget* parent = nullptr);

  // Lints at once instead of after the current burst of changes.
  void Refresh();
  const std::vector<TSkinProblem>& Problems() const { return FProblems; }
  QListWidget& List() const { return *FList; }
  // How often the lint has run, so that tests see that a burst of changes costs one run.
  int LintRuns() const { return FLintRuns; }

 signals:
  void ObjectPicked(const std::string& path);
  // `index` is the image's place in the list when the lint knows it, else -1.
  void ImagePicked(const std::string& name, int index);

 private:
  void ScheduleRefresh();
  void ShowProblems(std::vector<TSkinProblem> problems);
  void ItemClicked(QListWidgetItem* item);

  TSkinDocument& FDocument;
  QListWidget* FList;
  QTimer FRefreshTimer;
  std::vector<TSkinProblem> FProblems;
  int FLintRuns = 0;
};

}  // namespace vt
