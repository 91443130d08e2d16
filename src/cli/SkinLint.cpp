#include "cli/SkinLint.h"

#include <QString>
#include <QStringList>

#include "rtl/TypInfo.h"

namespace vt {

// The objects of the skin-backed theme's object cache, in the cache's order, with the
// parts its drawing families look up below them. Where a family tries several names in
// turn, one of them is enough ("FrameHorz|Frame").
const std::vector<TLookedUpObject>& LookedUpObjects() {
  static const std::vector<TLookedUpObject> objects = {
      {"Form", "windows", {}, true},
      {"Button", "push buttons", {"Face"}},
      {"Checkbox", "check boxes", {"Checked", "Unchecked", "Mixed"}},
      {"RadioButton", "radio buttons", {"Checked", "Unchecked"}},
      {"GroupBox", "group boxes", {"Frame"}},
      {"ScrollBar",
       "scroll bars",
       {"TopButton", "BottomButton", "LeftButton", "RightButton", "HorzSlider", "VertSlider",
        "HorzFrame", "VertFrame"}},
      {"ProgressBar",
       "progress bars",
       {"FrameVert|Frame", "FrameHorz|Frame", "BarVert|Bar", "BarHorz|Bar"}},
      {"Edit", "edits", {"Frame"}},
      {"ComboBox", "combo boxes", {"Frame", "Button"}},
      {"TrackBar",
       "track bars",
       {"TrackVert|Track", "TrackHorz|Track", "ThumbVert|Thumb", "ThumbHorz|Thumb"}},
      {"MenuBar", "menu bars", {"Frame", "Item"}},
      {"PopupMenu", "popup menus", {"Frame", "Item", "Separator"}},
      {"Header", "headers", {"Frame", "Section"}},
      {"StatusBar", "status bars", {"Frame", "Panel", "Gripper"}},
      {"Tabs", "tab controls", {"Frame", "Tab"}},
      {"Container", "containers", {"Panel"}},
      {"Frame", "frames", {}},
      {"ScrollBox", "scroll boxes", {"Frame"}},
      {"Splitter", "splitters", {}},
      {"SpinButton", "spin buttons", {"LeftButton", "RightButton"}},
      {"ControlBar", "control bars", {"Back"}},
      {"Grid", "grids", {"Frame", "Fixed", "Cell"}},
      {"ListBox", "list boxes", {"Frame", "Item"}},
      {"Hint", "hints", {}},
      {"SpeedButton", "tool bar buttons", {"Face"}},
      {"ToolBar", "tool bars", {}},
      {"ToolWindow", "tool windows", {}, true},
      {"Panel", "panels", {"Frame", "Caption"}},
  };
  return objects;
}

namespace {

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

std::string PathOf(const TSeSkinObject& object) {
  std::string path;
  for (const TComponent* c = &object; c; c = c->Owner()) {
    const auto* skinObject = dynamic_cast<const TSeSkinObject*>(c);
    if (!skinObject) break;
    path = path.empty() ? skinObject->GetName() : skinObject->GetName() + "/" + path;
  }
  return path;
}

std::string RectText(const TRect& r) {
  return "(" + std::to_string(r.Left) + ", " + std::to_string(r.Top) + ", " +
         std::to_string(r.Right) + ", " + std::to_string(r.Bottom) + ")";
}

// ---- Images -----------------------------------------------------------------------------

void LintImages(const TteBitmapList& bitmaps, std::vector<TLintFinding>& findings) {
  for (int i = 0; i < bitmaps.Count(); ++i) {
    const TteBitmap& bitmap = *bitmaps.Bitmaps(i);
    const std::string where = "image " + Quoted(bitmap.Name());
    if (bitmap.Empty()) findings.push_back({where, "the image has no pixels"});
    for (int j = 0; j < i; ++j)
      if (SameText(bitmaps.Bitmaps(j)->Name(), bitmap.Name())) {
        findings.push_back({where, "images " + std::to_string(j + 1) + " and " +
                                       std::to_string(i + 1) + " share this name; links " +
                                       "always find the first"});
        break;
      }
  }
}

// ---- Links ------------------------------------------------------------------------------

void LintLink(const TSeSkinObject& object, const std::string& property, const TteBitmapLink& link,
              const TteBitmapList& bitmaps, std::vector<TLintFinding>& findings) {
  if (link.GetName().empty()) return;  // an unused link
  const std::string where = PathOf(object);
  const TteBitmap* bitmap = bitmaps.GetBitmapByName(link.GetName());
  if (!bitmap) {
    findings.push_back({where, property + " names image " + Quoted(link.GetName()) +
                                   ", which the skin does not have"});
    return;
  }
  const TRect r = link.Rect();
  if (r.IsEmpty()) {
    findings.push_back({where, property + " has the empty rectangle " + RectText(r)});
    return;
  }
  if (r.Left < 0 || r.Top < 0 || r.Right > bitmap->Width() || r.Bottom > bitmap->Height())
    findings.push_back({where, property + " rectangle " + RectText(r) + " reaches outside image " +
                                   Quoted(link.GetName()) + " (" + std::to_string(bitmap->Width()) +
                                   "x" + std::to_string(bitmap->Height()) + ")"});
}

void LintLinks(const TSeSkinObject& object, const TteBitmapList& bitmaps,
               std::vector<TLintFinding>& findings) {
  for (const TPropInfo* prop : object.ClassInfo().AllProperties()) {
    if (prop->Kind() != TTypeKind::Class || !prop->PropType->ClassType ||
        !prop->PropType->ClassType().InheritsFrom(TteBitmapLink::StaticClassInfo()))
      continue;
    if (const auto* link = dynamic_cast<const TteBitmapLink*>(prop->GetObject(object)))
      LintLink(object, prop->Name, *link, bitmaps, findings);
  }
  for (int i = 0; i < object.ChildCount(); ++i) LintLinks(*object.Children(i), bitmaps, findings);
}

// ---- Objects the controls look up ------------------------------------------------------------

TSeSkinObject* FindPart(TSeSkinObject& object, const std::string& alternatives) {
  const QStringList names = QString::fromLatin1(alternatives.c_str()).split('|');
  for (const QString& name : names)
    if (TSeSkinObject* part = object.FindByName(name.toLatin1().toStdString())) return part;
  return nullptr;
}

std::string PartText(const std::string& alternatives) {
  std::string text;
  for (const QString& name : QString::fromLatin1(alternatives.c_str()).split('|'))
    text += (text.empty() ? "" : " or ") + Quoted(name.toLatin1().toStdString());
  return text;
}

bool HasSysButton(TSeSkinObject& form, TSeAction action) {
  return form.FindSysButton(action) != nullptr;
}

void LintWindowFrame(TSeSkinObject& form, std::vector<TLintFinding>& findings) {
  const std::string where = form.GetName();
  bool hasClient = false;
  for (int i = 0; i < form.ChildCount(); ++i)
    hasClient = hasClient || form.Children(i)->GetKind() == TSeKind::skClient;
  if (!hasClient)
    findings.push_back({where,
                        "has no client-area child (Kind skClient); the theme cannot "
                        "tell windows where their contents go"});
  if (!form.FindByKind(TSeKind::skCaption) && !form.FindByKind(TSeKind::skTitle))
    findings.push_back({where, "has no caption or title object (Kind skCaption or skTitle)"});
  if (!HasSysButton(form, TSeAction::sbaClose))
    findings.push_back({where, "has no close button (a system button with Action sbaClose)"});
}

void LintLookedUp(const TSeSkinSource& source, std::vector<TLintFinding>& findings) {
  for (const TLookedUpObject& wanted : LookedUpObjects()) {
    TSeSkinObject* object = source.GetObjectByName(wanted.Name);
    if (!object) {
      findings.push_back({"", std::string("the skin has no ") + Quoted(wanted.Name) + " object; " +
                                  wanted.Family + " will paint plainly"});
      continue;
    }
    if (wanted.WindowFrame) LintWindowFrame(*object, findings);
    for (const char* part : wanted.Parts)
      if (!FindPart(*object, part))
        findings.push_back(
            {wanted.Name, "has no part " + PartText(part) + ", which " + wanted.Family + " paint"});
  }
}

void LintDuplicateObjects(const TSeSkinSource& source, std::vector<TLintFinding>& findings) {
  for (int i = 0; i < source.Count(); ++i)
    for (int j = 0; j < i; ++j)
      if (SameText(source.Objects(i)->GetName(), source.Objects(j)->GetName())) {
        findings.push_back(
            {source.Objects(i)->GetName(), "top-level objects " + std::to_string(j + 1) + " and " +
                                               std::to_string(i + 1) +
                                               " share this name; only the first is used"});
        break;
      }
}

}  // namespace

std::vector<TLintFinding> LintSkin(const TSeSkinSource& source) {
  std::vector<TLintFinding> findings;
  LintImages(source.Bitmaps(), findings);
  for (int i = 0; i < source.Count(); ++i)
    LintLinks(*source.Objects(i), source.Bitmaps(), findings);
  LintDuplicateObjects(source, findings);
  LintLookedUp(source, findings);
  return findings;
}

}  // namespace vt
