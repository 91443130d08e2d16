// TfrmMain: copy and paste of objects, the images panel and the export of the images.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include "editor/ExportForm.h"
#include "editor/OpenBitmap.h"
#include "editor/main.h"
#include "inspector/ErrorReport.h"
#include "inspector/ZPropLst.h"
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
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
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
    FTreeCaption->setText(" Objects Tree - " + QString::fromLatin1(image->Name().c_str()));
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

}  // namespace vt
