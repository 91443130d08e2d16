// TfrmMain: the panels of the theme's fonts, colours and system colours. Each is a list
// drawn by the editor (a swatch and the name, or the font's name in the font itself) with
// the buttons that change the selected entry through the document.
#include <QColorDialog>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <map>

#include "editor/main.h"
#include "editor/pickcolor.h"
#include "rtl/AnsiText.h"
#include "skin/se_skinfilters.h"
#include "skin/se_skinsource.h"

namespace vt {

namespace {

constexpr int kColorRowHeight = 28;
constexpr int kFontRowHeight = 24;
constexpr int kHighlightOpacity = 100;  // of 255, over a selected or focused row

QColor ToQColor(TColor color) {
  const TColor rgb = ColorToRGB(color);
  return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

// The colour a system-colour row edits: the one its stored table name stands for.
TColor SysColorOfRow(int row) {
  return static_cast<TColor>(IdentToColor(SysColorTableName(row)).value_or(clNone));
}

// Draws the rows of one table. Each row is drawn into an image of its size first and
// then copied, so that a row never flickers through its background.
class TTableRowDelegate : public QStyledItemDelegate {
 public:
  TTableRowDelegate(const TSkinDocument& document, TCentrePanel table, QObject* parent)
      : QStyledItemDelegate(parent), FDocument(document), FTable(table) {}

  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
    return {120, FTable == TCentrePanel::cpFonts ? kFontRowHeight : kColorRowHeight};
  }

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QImage row(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
    row.fill(option.palette.color(QPalette::Base));
    QPainter rowPainter(&row);
    if (FTable == TCentrePanel::cpFonts)
      PaintFontRow(rowPainter, row.rect(), index.row());
    else
      PaintColorRow(rowPainter, row.rect(), index);
    if (option.state & (QStyle::State_Selected | QStyle::State_HasFocus)) {
      QColor highlight = option.palette.color(QPalette::Highlight);
      highlight.setAlpha(kHighlightOpacity);
      rowPainter.fillRect(row.rect(), highlight);
    }
    rowPainter.end();
    painter->drawImage(option.rect.topLeft(), row);
  }

 private:
  TColor EntryColor(int row) const {
    const TSeSkinSource& source = FDocument.Source();
    if (FTable == TCentrePanel::cpColors) return source.Colors().GetColor(row);
    return source.SysColors().GetThemeSysColor(SysColorOfRow(row));
  }
  void PaintColorRow(QPainter& painter, const QRect& rect, const QModelIndex& index) const {
    const QRect swatch(3, 3, 34, rect.height() - 6);
    const TColor color = EntryColor(index.row());
    if (color != clNone) painter.fillRect(swatch, ToQColor(color));
    painter.setPen(Qt::black);
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    painter.drawText(QPoint(40, 7 + painter.fontMetrics().ascent()), index.data().toString());
  }
  void PaintFontRow(QPainter& painter, const QRect& rect, int row) const {
    const TFont& font = FDocument.Source().Fonts().Font(row);
    painter.setFont(font.ToQFont());
    painter.setPen(ToQColor(font.GetColor()));
    painter.drawText(rect, Qt::AlignVCenter | Qt::TextSingleLine,
                     "  " + AnsiToQString(font.GetName()));
  }

  const TSkinDocument& FDocument;
  TCentrePanel FTable;
};

QPushButton* PanelButton(QLayout& row, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption);
  button->setObjectName(name);
  row.addWidget(button);
  return button;
}

}  // namespace

QWidget* TfrmMain::BuildTablePanel(TCentrePanel table) {
  static const std::map<TCentrePanel, std::pair<const char*, const char*>> kNames = {
      {TCentrePanel::cpFonts, {"PanelFonts", "ThemeFonts"}},
      {TCentrePanel::cpColors, {"PanelColors", "ThemeColors"}},
      {TCentrePanel::cpSysColors, {"PanelSysColors", "ThemeSysColors"}}};
  auto* panel = new QWidget;
  panel->setObjectName(kNames.at(table).first);
  auto* column = new QVBoxLayout(panel);
  auto* list = new QListWidget;
  list->setObjectName(kNames.at(table).second);
  list->setItemDelegate(new TTableRowDelegate(*FDocument, table, list));
  list->setUniformItemSizes(true);
  column->addWidget(list, 1);
  auto* buttons = new QHBoxLayout;
  switch (table) {
    case TCentrePanel::cpFonts:
      for (int i = 0; i < TteThemeFonts::kCount; ++i) list->addItem(TteThemeFonts::FontName(i));
      connect(PanelButton(*buttons, "Button8", "Change..."), &QPushButton::clicked, this,
              &TfrmMain::ChangeThemeFont);
      connect(PanelButton(*buttons, "Button11", "Change color..."), &QPushButton::clicked, this,
              &TfrmMain::ChangeThemeFontColor);
      FThemeFonts = list;
      break;
    case TCentrePanel::cpColors:
      for (int i = 0; i < TteThemeColors::kCount; ++i) list->addItem(TteThemeColors::ColorName(i));
      connect(PanelButton(*buttons, "Button6", "Pick..."), &QPushButton::clicked, this,
              [this] { SelectThemeColor(true); });
      connect(PanelButton(*buttons, "Button7", "Select..."), &QPushButton::clicked, this,
              [this] { SelectThemeColor(false); });
      FThemeColors = list;
      break;
    default:
      for (int i = 0; i < TteThemeSysColors::kCount; ++i) list->addItem(SysColorTableName(i));
      connect(PanelButton(*buttons, "Button9", "Pick..."), &QPushButton::clicked, this,
              [this] { SelectSysColor(true); });
      connect(PanelButton(*buttons, "Button10", "Select..."), &QPushButton::clicked, this,
              [this] { SelectSysColor(false); });
      FThemeSysColors = list;
      break;
  }
  buttons->addStretch(1);
  column->addLayout(buttons);
  return panel;
}

void TfrmMain::InstallColorDialogs() {
  AskColor = [this](TColor initial) -> std::optional<TColor> {
    const QColor chosen = QColorDialog::getColor(ToQColor(initial), this);
    if (!chosen.isValid()) return std::nullopt;
    return TColor(chosen.red() | chosen.green() << 8 | chosen.blue() << 16);
  };
  AskPickedColor = [this]() -> std::optional<TColor> {
    TfrmPickColor picker(this);
    if (picker.exec() != QDialog::Accepted) return std::nullopt;
    return TColor(picker.PickedColor());
  };
  connect(FDocument, &TSkinDocument::TablesChanged, this, &TfrmMain::RepaintTables);
  connect(FDocument, &TSkinDocument::DocumentReplaced, this, &TfrmMain::RepaintTables);
}

void TfrmMain::RepaintTables() {
  for (QListWidget* list : {FThemeColors, FThemeSysColors, FThemeFonts}) list->viewport()->update();
}

void TfrmMain::SelectThemeColor(bool pick) {
  const int row = FThemeColors->currentRow();
  if (row < 0) return;
  const std::optional<TColor> color =
      pick ? AskPickedColor() : AskColor(FDocument->Source().Colors().GetColor(row));
  if (!color) return;
  FDocument->EditSkin(TSkinPart::spTables, [&](TSeSkinSource& source) {
    source.Colors().SetColor(row, *color);
    // The form's client area shows the theme's window colour.
    if (row != ciWindow) return;
    TSeSkinObject* form = source.GetObjectByName("form");
    TSeSkinObject* client = form ? form->FindByKind(TSeKind::skClient) : nullptr;
    if (client && client != form) client->SetColor(*color);
  });
}

void TfrmMain::SelectSysColor(bool pick) {
  const int row = FThemeSysColors->currentRow();
  if (row < 0) return;
  const TColor entry = SysColorOfRow(row);
  const std::optional<TColor> color =
      pick ? AskPickedColor() : AskColor(FDocument->Source().SysColors().GetThemeSysColor(entry));
  if (!color) return;
  FDocument->EditSkin(TSkinPart::spTables, [&](TSeSkinSource& source) {
    source.SysColors().SetThemeSysColor(entry, *color);
  });
}

void TfrmMain::ChangeThemeFont() {
  const int row = FThemeFonts->currentRow();
  if (row < 0) return;
  const std::optional<QFont> font = AskFont(FDocument->Source().Fonts().Font(row).ToQFont());
  if (!font) return;
  const std::optional<std::string> name = StoredFontName(*font);
  if (!name) return;
  FDocument->EditSkin(TSkinPart::spTables, [&](TSeSkinSource& source) {
    TFont& entry = source.Fonts().Font(row);
    entry.SetName(*name);
    if (font->pointSize() > 0) entry.SetSize(font->pointSize());
    TFontStyles style;
    if (font->bold()) style.Include(TFontStyle::fsBold);
    if (font->italic()) style.Include(TFontStyle::fsItalic);
    if (font->underline()) style.Include(TFontStyle::fsUnderline);
    if (font->strikeOut()) style.Include(TFontStyle::fsStrikeOut);
    entry.SetStyle(style);
  });
}

void TfrmMain::ChangeThemeFontColor() {
  const int row = FThemeFonts->currentRow();
  if (row < 0) return;
  const std::optional<TColor> color = AskColor(FDocument->Source().Fonts().Font(row).GetColor());
  if (!color) return;
  FDocument->EditSkin(TSkinPart::spTables,
                      [&](TSeSkinSource& source) { source.Fonts().Font(row).SetColor(*color); });
}

}  // namespace vt
