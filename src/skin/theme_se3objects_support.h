#pragma once
// Scope helpers shared by the skin object sources: painting swaps a value in for one
// paint and must restore it even when painting throws.
#include <optional>
#include <utility>

#include "rtl/Canvas.h"

namespace vt {

template <class F>
class TScopeExit {
 public:
  explicit TScopeExit(F action) : FAction(std::move(action)) {}
  ~TScopeExit() { FAction(); }
  TScopeExit(const TScopeExit&) = delete;
  TScopeExit& operator=(const TScopeExit&) = delete;

 private:
  F FAction;
};

// A plain value (a colour, a flag) replaced until the end of the scope.
template <class T>
class TScopedValue {
 public:
  TScopedValue(T& slot, T value) : FSlot(slot), FSaved(std::exchange(slot, std::move(value))) {}
  ~TScopedValue() { FSlot = std::move(FSaved); }
  TScopedValue(const TScopedValue&) = delete;
  TScopedValue& operator=(const TScopedValue&) = delete;

 private:
  T& FSlot;
  T FSaved;
};

// A font or a bitmap link replaced by copying (Assign) until the end of the scope, as the
// published value is replaced when a state is painted.
template <class P>
class TScopedAssign {
 public:
  TScopedAssign(P& slot, const P& value) : FSlot(slot) {
    FSaved.Assign(slot);
    slot.Assign(value);
  }
  ~TScopedAssign() { FSlot.Assign(FSaved); }
  TScopedAssign(const TScopedAssign&) = delete;
  TScopedAssign& operator=(const TScopedAssign&) = delete;

 private:
  P& FSlot;
  P FSaved;
};

// Narrows the canvas's clip rectangle to `clip` (when not empty) for the scope.
class TCanvasClipScope {
 public:
  TCanvasClipScope(TCanvas& canvas, const TRect& clip)
      : FCanvas(canvas), FSaved(canvas.ClipRect()) {
    if (clip.IsEmpty()) return;
    FCanvas.SetClipRect(FSaved ? IntersectRect(*FSaved, clip) : clip);
    FChanged = true;
  }
  ~TCanvasClipScope() {
    if (FChanged) FCanvas.SetClipRect(FSaved);
  }
  TCanvasClipScope(const TCanvasClipScope&) = delete;
  TCanvasClipScope& operator=(const TCanvasClipScope&) = delete;

 private:
  TCanvas& FCanvas;
  std::optional<TRect> FSaved;
  bool FChanged = false;
};

}  // namespace vt
