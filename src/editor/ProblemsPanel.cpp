#include "editor/ProblemsPanel.h"

#include <QApplication>
#include <QListWidget>
#include <QStyle>

#include "rtl/AnsiText.h"

namespace vt {

namespace {

// The line `vtskin check` prints, without the file name.
QString ProblemLine(const TSkinProblem& problem) {
  const std::string where = problem.Where();
  return AnsiToQString(where.empty() ? problem.Message : where + ": " + problem.Message);
}

QIcon SeverityIcon(TSkinProblemSeverity severity) {
  return QApplication::style()->standardIcon(severity == TSkinProblemSeverity::Error
                                                 ? QStyle::SP_MessageBoxCritical
                                                 : QStyle::SP_MessageBoxWarning);
}

// A list a few lines high, so that the panel leaves the work area most of the window.
class TProblemList : public QListWidget {
 public:
  QSize sizeHint() const override {
    return {QListWidget::sizeHint().width(), kShownLines * (fontMetrics().height() + 4)};
  }

 private:
  static constexpr int kShownLines = 5;
};

bool SameProblems(const std::vector<TSkinProblem>& a, const std::vector<TSkinProblem>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
    return x.Severity == y.Severity && x.Message == y.Message && x.ObjectPath == y.ObjectPath &&
           x.ImageName == y.ImageName && x.ImageIndex == y.ImageIndex;
  });
}

}  // namespace

TProblemsPanel::TProblemsPanel(TSkinDocument& document, QWidget* parent)
    : QDockWidget("Problems", parent), FDocument(document), FList(new TProblemList) {
  setObjectName("ProblemsDock");
  FList->setObjectName("ProblemsList");
  FList->setIconSize(QSize(16, 16));
  setWidget(FList);
  // A burst of changes (a drag, typing with auto-update) costs one lint, after the burst.
  FRefreshTimer.setSingleShot(true);
  FRefreshTimer.setInterval(0);
  connect(&FRefreshTimer, &QTimer::timeout, this, &TProblemsPanel::Refresh);
  for (auto signal : {&TSkinDocument::DocumentReplaced, &TSkinDocument::ImagesChanged,
                      &TSkinDocument::TablesChanged})
    connect(&document, signal, this, &TProblemsPanel::ScheduleRefresh);
  for (auto signal : {&TSkinDocument::ObjectChanged, &TSkinDocument::ObjectInserted,
                      &TSkinDocument::ObjectAboutToBeRemoved})
    connect(&document, signal, this, &TProblemsPanel::ScheduleRefresh);
  connect(FList, &QListWidget::itemClicked, this, &TProblemsPanel::ItemClicked);
  hide();
}

void TProblemsPanel::ScheduleRefresh() {
  FRefreshTimer.start();
}

void TProblemsPanel::Refresh() {
  FRefreshTimer.stop();
  ++FLintRuns;
  ShowProblems(LintSkin(FDocument.Source()));
}

void TProblemsPanel::ShowProblems(std::vector<TSkinProblem> problems) {
  const bool changed = !SameProblems(problems, FProblems);
  FProblems = std::move(problems);
  if (changed) {
    FList->clear();
    for (const TSkinProblem& problem : FProblems)
      new QListWidgetItem(SeverityIcon(problem.Severity), ProblemLine(problem), FList);
  }
  setWindowTitle(QString("Problems (%1)").arg(FProblems.size()));
  // A panel the designer closed comes back only for news, not for the same list again.
  if (FProblems.empty())
    hide();
  else if (changed)
    show();
}

void TProblemsPanel::ItemClicked(QListWidgetItem* item) {
  const int row = FList->row(item);
  if (row < 0 || row >= static_cast<int>(FProblems.size())) return;
  const TSkinProblem& problem = FProblems[static_cast<size_t>(row)];
  if (!problem.ObjectPath.empty())
    emit ObjectPicked(problem.ObjectPath);
  else if (!problem.ImageName.empty())
    emit ImagePicked(problem.ImageName, problem.ImageIndex);
}

}  // namespace vt
