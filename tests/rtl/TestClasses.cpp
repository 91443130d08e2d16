#include <gtest/gtest.h>

#include <vector>

#include "rtl/Classes.h"

using namespace vt;

namespace {

// Records its own destruction and the removals it is told about.
class TProbe : public TComponent {
 public:
  TProbe(TComponent* owner, std::string name, std::vector<std::string>* log)
      : TComponent(owner), FLog(log) {
    SetName(name);
  }
  ~TProbe() override { FLog->push_back("free " + GetName()); }
  void Notification(TComponent* c, TOperation op) override {
    if (op == TOperation::opRemove) FLog->push_back(GetName() + " told " + c->GetName());
  }

 private:
  std::vector<std::string>* FLog;
};

}  // namespace

TEST(Components, OwnerKeepsOrderFreesLastFirstAndAssignNamesBothClasses) {
  std::vector<std::string> log;
  auto* root = new TProbe(nullptr, "root", &log);
  auto* a = new TProbe(root, "a", &log);
  new TProbe(root, "b", &log);
  new TProbe(a, "a1", &log);
  ASSERT_EQ(root->ComponentCount(), 2);
  EXPECT_EQ(root->Components(0)->GetName(), "a");
  EXPECT_EQ(root->Components(1)->GetName(), "b");
  EXPECT_EQ(root->Components(2), nullptr);
  EXPECT_EQ(root->FindComponent("B"), root->Components(1));
  EXPECT_EQ(a->ComponentIndex(), 0);
  delete new TProbe(root, "gone", &log);  // a freed child leaves its owner
  EXPECT_EQ(root->ComponentCount(), 2);
  delete root;
  // The owned components go last first; each logs before its own children go.
  const std::vector<std::string> frees = [&] {
    std::vector<std::string> f;
    for (auto& s : log)
      if (s.rfind("free", 0) == 0) f.push_back(s);
    return f;
  }();
  EXPECT_EQ(frees,
            (std::vector<std::string>{"free gone", "free root", "free b", "free a", "free a1"}));
  // Assigning between unrelated classes names both.
  TComponent a1(nullptr), b1(nullptr);
  try {
    a1.Assign(b1);
    FAIL() << "expected EConvertError";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Cannot assign a TComponent to a TComponent");
  }
  // A free notification tells the peer once, unless removed (ASan catches a call into freed
  // memory).
  for (bool removed : {false, true}) {
    std::vector<std::string> log;
    TProbe watcher(nullptr, "watcher", &log);
    auto* shown = new TProbe(nullptr, "shown", &log);
    watcher.FreeNotification(shown);
    if (removed) watcher.RemoveFreeNotification(shown);
    delete shown;
    EXPECT_EQ(std::count(log.begin(), log.end(), "watcher told shown"), removed ? 0 : 1);
  }
}
