#pragma once
// Looking at one object of a skin from outside: finding it by its path, putting it into a
// state at a size, and painting it into a picture with its alpha, as the command-line
// tool's render and thumbnail and the editor's previews need it.
#include <QImage>
#include <QSize>
#include <QString>
#include <optional>
#include <string>

#include "skin/se_skinsource.h"
#include "skin/theme_se3objects.h"

namespace vt {

// "Form" names a top-level object (ignoring case, as GetObjectByName does);
// "Form/Caption/Close" an object below it, each step searching the whole subtree below
// the previous one (depth first, so the first of several equal names wins). Empty steps
// ("Form//Close") are skipped. nullptr when a step finds nothing; `missingStep`, when
// given, then receives the index of that step among the non-empty ones.
TSeSkinObject* FindSkinObjectByPath(const TSeSkinSource& source, const std::string& path,
                                    int* missingStep = nullptr);
// "Form/TopBand/Caption": the names from the top-level object down to `object`.
std::string SkinObjectPath(const TSeSkinObject& object);

// Lays out every object below `object` again, top-down.
void RealignSkinTree(TSeSkinObject& object);

struct TSkinObjectPose {
  TSeState State = ssNormal;
  bool Active = false;
  // The text of the object's title (kind skTitle) when it has one, else its own text.
  std::optional<QString> Text;
};

// Puts `object` into the pose with the border icons of an ordinary window (system menu,
// close, minimise, maximise), gives it the bounds (0, 0, width, height) and lays its tree
// out again. This changes the object: pose a copy (CloneSkinObject) of an object that
// someone else shows.
void PoseSkinObject(TSeSkinObject& object, QSize size, const TSkinObjectPose& pose);

// Paints the object at its bounds' size into a QImage::Format_ARGB32 picture (straight
// alpha): transparent wherever the object leaves the background alone, partly
// transparent where it blends. `designMode` paints as the editor's work area does
// (transparent backgrounds in the key colour); the process-wide switch is restored.
QImage RenderSkinObject(TSeSkinObject& object, bool designMode);

// A skin's preview: its form (GetFormObject) as an active window titled with the skin's
// name, with the proportions of its stored size when that is a plausible window (64 x 48
// to 2048 x 2048, else 4:3), and the larger side exactly `side` pixels. The form is
// painted at that size; below kMinThumbnailPaintSide, where a window's caption buttons and
// frame no longer fit, it is painted at that side and scaled down. A null image when the
// skin has no form. The skin itself is left as it was: a copy of the form is painted.
constexpr int kMinThumbnailPaintSide = 128;
QImage RenderSkinThumbnail(const TSeSkinSource& source, int side);

// The size RenderSkinThumbnail gives a form of the stored size `formSize` for `side`.
QSize ThumbnailSize(QSize formSize, int side);

}  // namespace vt
