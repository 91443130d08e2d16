// The inspector must follow the designer without a dropped frame (16.7 ms at 60 Hz).
// InspectorSwitch: the selection moves between two skin objects of different classes
// with Font\Color selected, so every switch rebuilds the rows, expands Font again and
// paints the whole control. InspectorScroll: a 200-row list scrolled by a page (back to
// the top at the end) and painted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <cstdio>
#include <memory>

#include "inspector/ZPropLst.h"
#include "skin/theme_se3objects.h"

namespace vt {
namespace {

int RowOf(const TZPropList& list, const std::string& path) {
  for (int i = 0; i < list.RowCount(); ++i)
    if (list.RowPath(i) == path) return i;
  return -1;
}

void InspectorSwitch(benchmark::State& state) {
  TSeButtonObject button(nullptr);
  TSeSystemButton closeButton(nullptr);
  TZPropList list;
  list.resize(240, 700);
  list.show();
  list.SetCurObj(&button);
  list.SelectRow(RowOf(list, "Font"));
  list.ToggleCurrentRow();
  list.SelectRow(RowOf(list, "Font\\Color"));
  QApplication::processEvents();
  QImage frame(list.size(), QImage::Format_ARGB32_Premultiplied);
  bool toggle = false;
  for (auto _ : state) {
    list.SetCurObj(toggle ? static_cast<TPersistent*>(&button) : &closeButton);
    list.render(&frame);
    toggle = !toggle;
  }
  state.counters["rows"] = list.RowCount();
}
BENCHMARK(InspectorSwitch)->Unit(benchmark::kMicrosecond);

// `count` integer properties on one object.
class TWideObject : public TPersistent {
 public:
  explicit TWideObject(int count) : FValues(static_cast<size_t>(count)) {
    FInfo.Name = "TWideObject";
    FInfo.Parent = &TPersistent::StaticClassInfo();
    for (int i = 0; i < count; ++i) {
      char name[16];
      std::snprintf(name, sizeof name, "Value%03d", i);
      TPropInfo p;
      p.Name = name;
      p.PropType = &IntegerTypeInfo();
      const auto index = static_cast<size_t>(i);
      p.Get = [index](const TPersistent& o) -> TPropValue {
        return int64_t{static_cast<const TWideObject&>(o).FValues[index]};
      };
      p.Set = [index](TPersistent& o, const TPropValue& v) {
        static_cast<TWideObject&>(o).FValues[index] = static_cast<int32_t>(std::get<int64_t>(v));
      };
      FInfo.Properties.push_back(std::move(p));
    }
  }
  const TClassInfo& ClassInfo() const override { return FInfo; }

 private:
  std::vector<int32_t> FValues;
  TClassInfo FInfo;
};

void InspectorScroll(benchmark::State& state) {
  TWideObject wide(200);
  TZPropList list;
  list.resize(240, 700);
  list.show();
  list.SetCurObj(&wide);
  QApplication::processEvents();
  QScrollBar* bar = list.verticalScrollBar();
  QImage frame(list.size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    if (bar->value() == bar->maximum())
      bar->setValue(0);
    else
      bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    list.render(&frame);
  }
  state.counters["rows"] = list.RowCount();
  state.counters["page"] = list.VisibleRowCount();
}
BENCHMARK(InspectorScroll)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vt
