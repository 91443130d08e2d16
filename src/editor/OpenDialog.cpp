#include "editor/OpenDialog.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "rtl/AnsiText.h"
#include "skin/se_skinfilters.h"
#include "skin/se_skinpreview.h"
#include "skin/se_skinsource.h"
#include "theme/te_thememanager.h"
#include "theme/theme_se3.h"

namespace vt {

namespace {

QString QtFilterEntry(QString caption, QString patterns) {
  // The caption may already name its patterns in brackets; Qt reads patterns from there.
  const qsizetype bracket = caption.indexOf('(');
  if (bracket > 0) caption = caption.left(bracket).trimmed();
  return caption + " (" + patterns.replace(';', ' ') + ")";
}

QString VariantOf(const QString& fileName) {
  const TSeSkinFilterClass* filter = FindSkinFilterByExtension(fileName.toStdString());
  if (!filter) return "not a skin file";
  return QString::fromStdString(filter->GetFileTypeName()) + " (." +
         QString::fromStdString(filter->GetFileExtension()) + ")";
}

}  // namespace

QString OpenThemeDialogFilter() {
  RegisterSkinFilters();
  RegisterSkinTheme();
  const QStringList parts = QString::fromStdString(GetThemeFilter()).split('|');
  QStringList entries, allPatterns;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    entries << QtFilterEntry(parts[i], parts[i + 1]);
    for (const QString& pattern : parts[i + 1].split(';'))
      if (!allPatterns.contains(pattern)) allPatterns << pattern;
  }
  // The registry's first entry names only each theme class's main extension; the
  // designer expects it to show every skin file the entries below take.
  if (!entries.isEmpty()) entries[0] = QtFilterEntry(parts[0], allPatterns.join(';'));
  return entries.join(";;");
}

TTeOpenThemeDialog::TTeOpenThemeDialog(QWidget* parent)
    : QFileDialog(parent, "Open Skin", QString(), OpenThemeDialogFilter()) {
  setObjectName("OpenDialog");
  setOption(QFileDialog::DontUseNativeDialog);
  setFileMode(QFileDialog::ExistingFile);
  auto* pane = new QWidget;
  pane->setObjectName("PreviewPane");
  auto* column = new QVBoxLayout(pane);
  FThumbnail = new QLabel;
  FThumbnail->setObjectName("Thumbnail");
  FThumbnail->setFixedSize(kThumbnailWidth, kThumbnailHeight);
  FThumbnail->setAlignment(Qt::AlignCenter);
  FThumbnail->setFrameShape(QFrame::StyledPanel);
  FDetails = new QLabel;
  FDetails->setObjectName("Details");
  FDetails->setWordWrap(true);
  FDetails->setTextFormat(Qt::PlainText);
  column->addWidget(FThumbnail);
  column->addWidget(FDetails);
  column->addStretch();
  if (auto* grid = qobject_cast<QGridLayout*>(layout()))
    grid->addWidget(pane, 0, grid->columnCount(), grid->rowCount(), 1);
  connect(this, &QFileDialog::currentChanged, this, &TTeOpenThemeDialog::ShowPreview);
}

void TTeOpenThemeDialog::ShowPreview(const QString& fileName) {
  FThumbnail->clear();
  FDetails->clear();
  if (!QFileInfo(fileName).isFile() || !FindSkinFilterByExtension(fileName.toStdString())) return;
  TSeSkinSource source;
  try {
    source.LoadFromFile(fileName.toStdString());
  } catch (const std::exception& e) {
    FDetails->setText(QString("Cannot read this skin: ") + e.what());
    return;
  }
  QImage thumbnail = RenderSkinThumbnail(source, kThumbnailWidth);
  if (thumbnail.height() > kThumbnailHeight)  // a tall form
    thumbnail = thumbnail.scaledToHeight(kThumbnailHeight, Qt::SmoothTransformation);
  if (!thumbnail.isNull()) FThumbnail->setPixmap(QPixmap::fromImage(thumbnail));
  FDetails->setText("Name: " + AnsiToQString(source.GetSkinName()) + "\nAuthor: " +
                    AnsiToQString(source.GetAuthor()) + "\nVariant: " + VariantOf(fileName));
}

}  // namespace vt
