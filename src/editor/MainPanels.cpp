// TfrmMain: copy and paste of objects, the images panel and the export of the images.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include "editor/ExportForm.h"
#include "editor/OpenBitmap.h"
#include "editor/SkinMaintenance.h"
#include "editor/main.h"
#include "inspector/ErrorReport.h"
#include "inspector/ZPropLst.h"
#include "rtl/AnsiText.h"
#include "skin/se_clipboard.h"
#include "skin/se_skinsource.h"

namespace vt {

namespace {

// The key colour images are shown on, so that their transparent parts show as such.
const QColor kImageViewBackground(127, 0, 127);

QAction* ConnectAction(QObject* root, const char* name, QObject* receiver,
                       const std::function<void()>& slot) {
  auto* action = root->findChild<QAction*>(name);
  QObject::connect(action, &QAction::triggered, receiver, slot);
  return action;
}

}  // namespace

void TfrmMain::CreatePanelActions() {
  ConnectAction(this, "actnCopy", this, [this] { CopyObject(); });
  ConnectAction(this, "actnPaste", this, [this] { PasteObject(); });
  ConnectAction(this, "actnAddImage", this, [this] { AddImage(); });
  ConnectAction(this, "actnReplaceImage", this, [this] { ReplaceImage(); });
  ConnectAction(this, "actnDeleteImage", this, [this] { DeleteImage(); });
  ConnectAction(this, "actnExport", this, [this] { ExportBitmaps(); });
  for (auto [button, action] : {std::pair{"btnAddImage", "actnAddImage"},
                                {"btnDelImage", "actnDeleteImage"},
                                {"btnReplaceImage", "actnReplaceImage"}})
    if (auto* tool = findChild<QToolButton*>(button))
      tool->setDefaultAction(findChild<QAction*>(action));
  AskBitmap = [this] { return TfrmOpenBitmap::Execute(this); };
  InstallColorDialogs();
  ShowMessage = [this](const QString& message) {
    QMessageBox::information(this, "VtSkinEd", message);
  };
  AskFont = [this](const QFont& initial) -> std::optional<QFont> {
    bool accepted = false;
    const QFont font = QFontDialog::getFont(&accepted, initial, this);
    return accepted ? std::optional(font) : std::nullopt;
  };
  connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &TfrmMain::UpdateActions);
  connect(FDocument, &TSkinDocument::ImagesChanged, this, &TfrmMain::UpdateView);
}

// ---- Clipboard ------------------------------------------------------------------------

void TfrmMain::CopyObject() {
  const TSeSkinObject* selected = FDocument->Selected();
  if (!selected) return;
  const std::string payload = MakeClipboardPayload(*selected);
  auto* data = new QMimeData;
  data->setData(kSkinObjectMimeType,
                QByteArray(payload.data(), static_cast<qsizetype>(payload.size())));
  QApplication::clipboard()->setMimeData(data);
}

bool TfrmMain::ClipboardHasObject() const {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  return data && data->hasFormat(kSkinObjectMimeType);
}

void TfrmMain::PasteObject() {
  if (!ClipboardHasObject()) return;
  const QByteArray payload = QApplication::clipboard()->mimeData()->data(kSkinObjectMimeType);
  std::unique_ptr<TSeSkinObject> object;
  try {
    object = ReadClipboardPayload(std::span(reinterpret_cast<const uint8_t*>(payload.constData()),
                                            static_cast<size_t>(payload.size())));
  } catch (const std::exception& e) {
    ShowErrorReport(e.what());
    return;
  }
  ShowPanel(TCentrePanel::cpWork);
  FDocument->InsertPasted(std::move(object));
}

// ---- Images -------------------------------------------------------------------------

QWidget* TfrmMain::BuildImagesPanel() {
  auto* panel = new QWidget;
  panel->setObjectName("PanelImages");
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  auto* buttons = new QHBoxLayout;
  for (auto [name, hint] : {std::pair{"btnAddImage", "Ctrl+A"},
                            {"btnDelImage", "Ctrl+D"},
                            {"btnReplaceImage", "Ctrl+R"}}) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setProperty("hint", hint);
    buttons->addWidget(button);
  }
  buttons->addStretch(1);
  column->addLayout(buttons);
  auto* scroll = new QScrollArea;
  FImageView = new QLabel;
  FImageView->setObjectName("ImageView");
  FImageView->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  scroll->setWidget(FImageView);
  scroll->setWidgetResizable(true);
  column->addWidget(scroll, 1);
  return panel;
}

// The image drawn over the key colour, as it stands in the skin.
void TfrmMain::ShowSelectedImage() {
  const TteBitmap* image = FDocument->SelectedImage();
  if (!image || image->Empty()) {
    FImageView->clear();
    return;
  }
  QImage view(image->Width(), image->Height(), QImage::Format_RGB32);
  view.fill(kImageViewBackground);
  TCanvas canvas(view);
  image->Draw(canvas, 0, 0);
  FImageView->setPixmap(QPixmap::fromImage(view));
}

void TfrmMain::SelectImage(TteBitmap* image) {
  ShowPanel(TCentrePanel::cpImages);
  FDocument->SelectImage(image);
  if (image) {
    FTreeCaption->setText(" Objects Tree - " + AnsiToQString(image->Name()));
    FInspector->SetCurObj(nullptr);
  }
}

void TfrmMain::AddImage() {
  // The designer has started a change, even when the dialog is then cancelled.
  FDocument->SetModified(true);
  std::unique_ptr<TteBitmap> image = AskBitmap();
  if (!image) return;
  TteBitmap* added = image.get();
  FDocument->AddImage(std::move(image));
  SelectImage(added);
}

void TfrmMain::ReplaceImage() {
  if (!FDocument->SelectedImage()) return;
  FDocument->SetModified(true);
  std::unique_ptr<TteBitmap> image = AskBitmap();
  if (!image) return;
  TteBitmap* replacement = image.get();
  if (FDocument->ReplaceSelectedImage(std::move(image))) SelectImage(replacement);
}

void TfrmMain::DeleteImage() {
  if (!FDocument->DeleteSelectedImage()) return;
  FImageView->clear();
}

void TfrmMain::ExportBitmaps() {
  if (FDocument->Source().Bitmaps().Count() == 0) return;
  TfrmExport dialog(FDocument->Source().Bitmaps(), this);
  dialog.exec();
}

// ---- Maintenance and the charset ------------------------------------------------------

namespace {

QLineEdit* MaintenanceEdit(const char* name, const QString& text, int width) {
  auto* edit = new QLineEdit(text);
  edit->setObjectName(name);
  edit->setFixedWidth(width);
  return edit;
}

QPushButton* MaintenanceButton(const char* name, const QString& caption) {
  auto* button = new QPushButton(caption);
  button->setObjectName(name);
  return button;
}

// A modal progress dialog for work on every image, which shows only when the work lasts
// longer than half a second; its callback answers false from the moment the designer
// cancels.
class TImageWorkProgress {
 public:
  TImageWorkProgress(const QString& label, QWidget* parent)
      : FDialog(label, "Cancel", 0, 1, parent) {
    FDialog.setWindowTitle("VtSkinEd");
    FDialog.setWindowModality(Qt::WindowModal);
    FDialog.setMinimumDuration(500);
    FDialog.setValue(0);
  }
  TProgress Callback() {
    return [this](int done, int total) {
      FCancelled = FCancelled || FDialog.wasCanceled();
      if (FCancelled) return false;
      FDialog.setMaximum(total);
      FDialog.setValue(done);
      FCancelled = FDialog.wasCanceled();
      return !FCancelled;
    };
  }
  bool Cancelled() const { return FCancelled; }

 private:
  QProgressDialog FDialog;
  bool FCancelled = false;
};

// A decimal field of the panel; the designer hears which text is not a number.
int NumberIn(const QLineEdit& edit) {
  bool ok = false;
  const int value = edit.text().trimmed().toInt(&ok);
  if (!ok) throw Exception("'" + edit.text().toStdString() + "' is not a valid integer value");
  return value;
}

}  // namespace

QWidget* TfrmMain::BuildMaintenanceControls() {
  auto* controls = new QWidget;
  auto* row = new QHBoxLayout(controls);
  row->setContentsMargins(0, 0, 0, 0);
  QPushButton* font = MaintenanceButton("Button2", "Change Font");
  row->addWidget(font);
  row->addWidget(new QLabel("Change Color from "));
  row->addWidget(MaintenanceEdit("Edit2", "clWindowText", 110));
  row->addWidget(new QLabel("to"));
  row->addWidget(MaintenanceEdit("Edit3", "clBlack", 110));
  QPushButton* color = MaintenanceButton("Button3", "Change");
  row->addWidget(color);
  QPushButton* duplicates = MaintenanceButton("Button4", "Remove double img");
  row->addWidget(duplicates);
  QPushButton* pack = MaintenanceButton("Button5", "Optimize images");
  row->addWidget(pack);
  row->addWidget(MaintenanceEdit("Edit4", "400", 50));
  row->addWidget(MaintenanceEdit("Edit5", "300", 50));
  connect(font, &QPushButton::clicked, this, &TfrmMain::ChangeAllFonts);
  connect(color, &QPushButton::clicked, this, &TfrmMain::ReplaceColor);
  connect(duplicates, &QPushButton::clicked, this, &TfrmMain::RemoveDuplicateImages);
  connect(pack, &QPushButton::clicked, this, &TfrmMain::PackImages);
  return controls;
}

void TfrmMain::ChangeCharset() {
  const std::optional<int32_t> charset =
      IdentToCharset(findChild<QComboBox*>("cbCharset")->currentText().toStdString());
  if (!charset) return;
  FDocument->EditSkin(TSkinPart::spObjects, [&](TSeSkinSource& source) {
    for (int i = 0; i < source.Count(); ++i)
      source.Objects(i)->SetCharset(static_cast<TFontCharset>(*charset));
  });
}

std::optional<std::string> TfrmMain::StoredFontName(const QFont& font) {
  try {
    return QStringToAnsi(font.family());
  } catch (const std::exception& e) {
    ShowErrorReport(e.what());
    return std::nullopt;
  }
}

void TfrmMain::ChangeAllFonts() {
  const std::optional<QFont> font = AskFont(QFont("Tahoma", 8));
  if (!font) return;
  const std::optional<std::string> name = StoredFontName(*font);
  if (!name) return;
  TFont chosen;
  chosen.SetName(*name);
  FDocument->EditSkin(TSkinPart::spObjects,
                      [&](TSeSkinSource& source) { vt::ChangeAllFonts(source, chosen); });
}

void TfrmMain::ReplaceColor() {
  const std::string from = findChild<QLineEdit*>("Edit2")->text().toStdString();
  TColor to = clNone;
  try {
    to = StringToColor(findChild<QLineEdit*>("Edit3")->text().toStdString());
  } catch (const std::exception& e) {
    return ShowErrorReport(e.what());
  }
  int count = 0;
  FDocument->EditSkin(TSkinPart::spObjects,
                      [&](TSeSkinSource& source) { count = vt::ReplaceColor(source, from, to); });
  ShowMessage(QString::number(count) + " color changed");
}

void TfrmMain::RemoveDuplicateImages() {
  if (FDocument->Source().Bitmaps().Count() == 0) return;
  std::optional<int> removed;
  {
    TImageWorkProgress progress("Removing duplicate images...", this);
    FDocument->TryEditSkin(TSkinPart::spImages, [&](TSeSkinSource& source) {
      removed = vt::RemoveDuplicateImages(source, progress.Callback());
      return removed.has_value();
    });
  }
  if (removed) ShowMessage(QString::number(*removed) + " images removed.");
}

void TfrmMain::PackImages() {
  if (FDocument->Source().Bitmaps().Count() == 0) return;
  int width = 0, height = 0;
  try {
    width = NumberIn(*findChild<QLineEdit*>("Edit4"));
    height = NumberIn(*findChild<QLineEdit*>("Edit5"));
  } catch (const std::exception& e) {
    return ShowErrorReport(e.what());
  }
  // Only a packing that fits and is not cancelled changes the skin.
  TteBitmap* packed = nullptr;
  bool cancelled = false;
  {
    TImageWorkProgress progress("Packing the images into one...", this);
    FDocument->TryEditSkin(TSkinPart::spImages, [&](TSeSkinSource& source) {
      packed = vt::PackImages(source, width, height, progress.Callback());
      return packed != nullptr;
    });
    cancelled = progress.Cancelled();
  }
  if (packed)
    SelectImage(packed);
  else if (!cancelled)
    ShowMessage("Error optimization");
}

}  // namespace vt
