// The skin lint: images, links, duplicate names, and the objects and parts of the catalogue.
#include "theme/te_skinlint.h"

#include "rtl/TypInfo.h"
#include "skin/se_skinpreview.h"
#include "theme/te_catalogue.h"

namespace vt {

namespace {

using TProblems = std::vector<TSkinProblem>;
constexpr auto kError = TSkinProblemSeverity::Error;
constexpr auto kWarning = TSkinProblemSeverity::Warning;

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

std::string PathOf(const TSeSkinObject& object) {
  return SkinObjectPath(object);
}

std::string RectText(const TRect& r) {
  return "(" + std::to_string(r.Left) + ", " + std::to_string(r.Top) + ", " +
         std::to_string(r.Right) + ", " + std::to_string(r.Bottom) + ")";
}

void AddObjectProblem(TProblems& problems, TSkinProblemSeverity severity, std::string path,
                      std::string message) {
  problems.push_back({severity, std::move(message), std::move(path), {}});
}

// ---- Images -----------------------------------------------------------------------------

void LintImages(const TteBitmapList& bitmaps, TProblems& problems) {
  for (int i = 0; i < bitmaps.Count(); ++i) {
    const TteBitmap& bitmap = *bitmaps.Bitmaps(i);
    if (bitmap.Empty())
      problems.push_back({kError, "the image has no pixels", {}, bitmap.Name(), i});
    for (int j = 0; j < i; ++j)
      if (SameText(bitmaps.Bitmaps(j)->Name(), bitmap.Name())) {
        problems.push_back({kError,
                            "images " + std::to_string(j + 1) + " and " + std::to_string(i + 1) +
                                " share this name; links always find the first",
                            {},
                            bitmap.Name(),
                            i});
        break;
      }
  }
}

// ---- Links ------------------------------------------------------------------------------

void LintLink(const TSeSkinObject& object, const std::string& property, const TteBitmapLink& link,
              const TteBitmapList& bitmaps, TProblems& problems) {
  if (link.GetName().empty()) return;  // an unused link
  const TteBitmap* bitmap = bitmaps.GetBitmapByName(link.GetName());
  const TRect r = link.Rect();
  std::string message;
  if (!bitmap)
    message =
        property + " names image " + Quoted(link.GetName()) + ", which the skin does not have";
  else if (r.IsEmpty())
    message = property + " has the empty rectangle " + RectText(r);
  else if (r.Left < 0 || r.Top < 0 || r.Right > bitmap->Width() || r.Bottom > bitmap->Height())
    message = property + " rectangle " + RectText(r) + " reaches outside image " +
              Quoted(link.GetName()) + " (" + std::to_string(bitmap->Width()) + "x" +
              std::to_string(bitmap->Height()) + ")";
  if (!message.empty()) AddObjectProblem(problems, kError, PathOf(object), std::move(message));
}

void LintLinks(const TSeSkinObject& object, const TteBitmapList& bitmaps, TProblems& problems) {
  for (const TPropInfo* prop : object.ClassInfo().AllProperties()) {
    if (prop->Kind() != TTypeKind::Class || !prop->PropType->ClassType ||
        !prop->PropType->ClassType().InheritsFrom(TteBitmapLink::StaticClassInfo()))
      continue;
    if (const auto* link = dynamic_cast<const TteBitmapLink*>(prop->GetObject(object)))
      LintLink(object, prop->Name, *link, bitmaps, problems);
  }
  for (int i = 0; i < object.ChildCount(); ++i) LintLinks(*object.Children(i), bitmaps, problems);
}

// ---- Objects the controls look up ---------------------------------------------------------

TSeSkinObject* FindPart(TSeSkinObject& object, const TPartNames& part) {
  for (const char* name : part)
    if (TSeSkinObject* found = object.FindByName(name)) return found;
  return nullptr;
}

std::string PartText(const TPartNames& part) {
  std::string text;
  for (const char* name : part) text += (text.empty() ? "" : " or ") + Quoted(name);
  return text;
}

void LintWindowFrame(TSeSkinObject& form, TProblems& problems) {
  const std::string path = form.GetName();
  bool hasClient = false;
  for (int i = 0; i < form.ChildCount(); ++i)
    hasClient = hasClient || form.Children(i)->GetKind() == TSeKind::skClient;
  if (!hasClient)
    AddObjectProblem(problems, kWarning, path,
                     "has no client-area child (Kind skClient); the theme cannot tell windows "
                     "where their contents go");
  if (!form.FindByKind(TSeKind::skCaption) && !form.FindByKind(TSeKind::skTitle))
    AddObjectProblem(problems, kWarning, path,
                     "has no caption or title object (Kind skCaption or skTitle)");
  if (!form.FindSysButton(TSeAction::sbaClose))
    AddObjectProblem(problems, kWarning, path,
                     "has no close button (a system button with Action sbaClose)");
}

void LintLookedUp(const TSeSkinSource& source, TProblems& problems) {
  for (const TCatalogueObject& wanted : CatalogueObjects()) {
    TSeSkinObject* object = source.GetObjectByName(wanted.SkinName);
    if (!object) {
      problems.push_back({kWarning,
                          "the skin has no " + Quoted(wanted.SkinName) + " object; " +
                              wanted.Controls + " will paint plainly",
                          {},
                          {}});
      continue;
    }
    if (wanted.WindowFrame) LintWindowFrame(*object, problems);
    for (const TCataloguePart& part : wanted.Parts)
      if (part.Expected && !FindPart(*object, *part.Part))
        AddObjectProblem(
            problems, kWarning, wanted.SkinName,
            "has no part " + PartText(*part.Part) + ", which " + wanted.Controls + " paint");
  }
}

void LintDuplicateObjects(const TSeSkinSource& source, TProblems& problems) {
  for (int i = 0; i < source.Count(); ++i)
    for (int j = 0; j < i; ++j)
      if (SameText(source.Objects(i)->GetName(), source.Objects(j)->GetName())) {
        AddObjectProblem(problems, kError, source.Objects(i)->GetName(),
                         "top-level objects " + std::to_string(j + 1) + " and " +
                             std::to_string(i + 1) + " share this name; only the first is used");
        break;
      }
}

}  // namespace

std::string TSkinProblem::Where() const {
  if (!ObjectPath.empty()) return ObjectPath;
  if (!ImageName.empty()) return "image " + Quoted(ImageName);
  return {};
}

std::vector<TSkinProblem> LintSkin(const TSeSkinSource& source) {
  TProblems problems;
  LintImages(source.Bitmaps(), problems);
  for (int i = 0; i < source.Count(); ++i)
    LintLinks(*source.Objects(i), source.Bitmaps(), problems);
  LintDuplicateObjects(source, problems);
  LintLookedUp(source, problems);
  return problems;
}

}  // namespace vt
